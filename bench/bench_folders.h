#pragma once
// Folders of the benchmark's own under the temporary folder.
#include "framework/strings.h"

// A new folder named label + the process id + a counter, with "\" at the end; empty when none can be made.
CString NewBenchFolder(const CString& label);
