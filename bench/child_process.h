#pragma once
// Measurements that need a fresh process (a peak of memory) run the bench program again.
#include "framework/strings.h"

// Runs this program with the arguments and waits for it; true when it ran and exited with 0.
bool RunThisProgram(const CString& arguments);
