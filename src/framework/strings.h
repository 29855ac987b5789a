#pragma once
// The program's text types: UTF-16 code units (wchar_t on Windows) and 8-bit text.
#include <string>

using CString = std::wstring;
using CStringA = std::string;
