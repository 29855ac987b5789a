#pragma once
// The pieces of a path, found by its last "." or "\" in the whole text (drives and folders are not special).
#include <string_view>

#include "framework/strings.h"

CString GetExtension(std::wstring_view path);     // from the last "." on, dot included
CString StripExtension(std::wstring_view path);   // before the last "."
CString GetFileNamePart(std::wstring_view path);  // after the last "\"
CString GetFolderPart(std::wstring_view path);    // up to and including the last "\"
