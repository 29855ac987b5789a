#pragma once
// Small records that several command blocks build.
#include "framework/strings.h"

struct FileMove {
    CString sourcePath;  // full path of a file to move
    CString targetPath;  // full path it is to get
};
