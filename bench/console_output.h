#pragma once
// Text for the console: UTF-8 on stdout for the results, stderr for progress.
#include <cstdio>

#include "framework/strings.h"

void PrintLine(FILE* stream, const CString& text);
