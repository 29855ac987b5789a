#pragma once
// Copy, move, rename and folder creation as the commands use them. The three file operations return
// 0 when done, -1 when the new path has no folder part, -2 when that folder does not exist, and
// otherwise the Windows error code of the failure, whose documentation link is then on the clipboard.
// Wide paths all the way; a move or rename never replaces an existing file, nor moves a file onto
// itself (ERROR_ALREADY_EXISTS). A copy, and a move across volumes, writes the whole file under a
// temporary name beside the new path and gives it that name only then; on failure nothing new stays.
// A move across volumes is done only when the source is gone too: otherwise the copy is removed and
// the code of the failed removal returned.
#include <cstdint>

#include "framework/strings.h"

// Whether something of that kind is there; a path that cannot be looked at counts as missing.
bool PathExists(const CString& path);    // a file or a folder
bool FileExists(const CString& path);    // a file, not a folder
bool FolderExists(const CString& path);  // a folder, not a file

[[nodiscard]] int32_t CopyFileChecked(const CString& source, const CString& newPath, bool failIfExists);
[[nodiscard]] int32_t MoveFileChecked(const CString& source, const CString& newPath);
// A rename that changes only the case goes through a temporary name, unless the new name belongs to
// another file (ERROR_ALREADY_EXISTS, nothing touched); when its last step fails and the way back fails
// too, the file stays under that name, which leftUnder (when given) then receives.
[[nodiscard]] int32_t RenameFileChecked(const CString& oldPath, const CString& newPath, CString* leftUnder = nullptr);

// 0 when the folder is there or its one missing level was made now, else the Windows code; a file of
// that name is no folder (ERROR_ALREADY_EXISTS).
[[nodiscard]] int32_t EnsureFolder(const CString& folder);
