#pragma once
// Small records that several command blocks build.
#include <cstdint>

#include "framework/strings.h"

struct FileMove {
    CString sourcePath;  // full path of a file to move
    CString targetPath;  // full path it is to get
};

struct LineHit {
    CString playlist;  // full path
    CString line;      // as read
    CString newLine;   // after the replacement
    int32_t lineNumber = 1;
};

struct MissingEntry {
    CString playlist;  // full path
    CString line;      // names no existing song
    int32_t lineNumber = 1;
};
