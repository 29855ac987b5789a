#pragma once
// The YYYY-MM-DD_HH.MM.SS stamp in the names of playlists and exports.
#include <windows.h>

#include "framework/strings.h"

struct TimestampSplit {
    CString stamp;  // empty when none was found
    CString name;   // without the stamp, trimmed; the given name when none was found
};

// The stamp of this moment, from one reading of the local clock.
CString MakeTimestamp();
TimestampSplit SplitOffTimestamp(const CString& name);

// Tests fix the clock with a time of their own; nullptr returns to the real local clock.
void SetLocalClockForTests(const SYSTEMTIME* fixed);
