#pragma once
// Copy, move, rename and folder creation as the commands use them. The three file operations return
// 0 when done, -1 when the new path has no folder part, -2 when that folder does not exist, and
// otherwise the Windows error code of the failure, whose documentation link is then on the clipboard.
// Wide paths all the way; none of them replaces an existing file. A copy, and a move across volumes,
// is a TemporaryFile (helpers/temporary_file.h): on failure nothing new stays. With every temporary
// name beside the new path taken, these and a case-only rename fail with ERROR_CANNOT_MAKE, never as a
// name taken. A move across volumes is done only when the source is gone too, which is checked on disk
// (a source held for a moment is waited for): otherwise the copy is removed and the code of the failed
// removal returned. A move onto the file's own path leaves it as it is.
#include <cstdint>
#include <optional>

#include "framework/strings.h"

// Whether something of that kind is there; a path that cannot be looked at counts as missing.
bool PathExists(const CString& path);    // a file or a folder
bool FileExists(const CString& path);    // a file, not a folder
bool FolderExists(const CString& path);  // a folder, not a file

// Which file a path leads to, however it is spelled (another drive letter, the "\\?\" form): its
// volume and its index there, with its size and last write time as a check. Empty when the file cannot
// be opened, or when its volume has no serial number to tell its files from another volume's (Wine
// gives one number to every such volume, and their indexes repeat).
struct FileIdentity {
    uint32_t volume = 0;
    uint64_t index = 0, size = 0, lastWrite = 0;
    bool operator==(const FileIdentity&) const = default;
};
std::optional<FileIdentity> IdentifyFile(const CString& path);

// The copy keeps the source's last write time and attributes, as the platform's copy does.
[[nodiscard]] int32_t CopyFileChecked(const CString& source, const CString& newPath);
[[nodiscard]] int32_t MoveFileChecked(const CString& source, const CString& newPath);
// A rename that changes only the case goes through a temporary name, unless the folder holds another
// spelling of the new name (ERROR_ALREADY_EXISTS, nothing touched); when its last step fails and the
// way back fails too, the file stays under that name, which leftUnder (when given) then receives.
[[nodiscard]] int32_t RenameFileChecked(const CString& oldPath, const CString& newPath, CString* leftUnder = nullptr);

// 0 when the folder is there or its one missing level was made now, else the Windows code; a file of
// that name is no folder (ERROR_ALREADY_EXISTS).
[[nodiscard]] int32_t EnsureFolder(const CString& folder);
