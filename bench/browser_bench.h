#pragma once
// The built-in file browser on the song folder: opening it, Refresh and header clicks with and without
// a selection, each beside the bare listing of that folder, and the memory its rows take.
#include "collection.h"

// Prints its rows; needs a display (a window holds the list). False when no window can be made or the
// folder is not listed whole.
bool RunBrowserBench(const Collection& collection, int runs);

// The process that measures the memory: shows the empty folder, then the song folder, and prints how
// much more memory the second takes. The exit code is 0 when both were shown.
int RunBrowserMemoryChild(const CString& emptyFolder, const CString& songFolder);
inline constexpr const wchar_t* kBrowserMemoryChildFlag = L"--browser-memory-child";
