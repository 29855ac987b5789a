#pragma once
// A folder with a file-system path listed by the file system itself, in one pass, with what the shell
// would show of it: faster by far than asking the shell for each item of a large folder.
#include <windows.h>

#include "framework/browser_rows.h"
#include "framework/strings.h"

// Fills the empty rows with the folder's items but the hidden ones, sorted; the folder's path may be
// longer than MAX_PATH. 0, or the Windows error code when the folder cannot be listed.
DWORD ListFileSystemFolder(const CString& folder, BrowserRows& rows);

// Whether nothing is at the folder's path any more, or something other than a folder. A folder that is
// there but cannot be listed (held by another program, access denied, its drive not ready) is not gone.
bool IsFolderGone(const CString& folder);
