#pragma once
// The built-in file browser showing the song folder, beside the bare listing of that folder.
#include "collection.h"

// Prints one row; needs a display (a window holds the list). False when no window can be made.
bool RunBrowserBench(const Collection& collection, int runs);
