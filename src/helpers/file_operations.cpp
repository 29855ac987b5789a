#include "helpers/file_operations.h"

#include <windows.h>

#include "framework/handles.h"
#include "helpers/paths.h"
#include "helpers/temporary_names.h"
#include "helpers/windows_errors.h"

namespace {

bool IsReadOnly(const CString& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// The shared frame: the new path's folder must exist; a failure's own code is what gets reported.
template <class Operation>
int32_t Checked(const CString& newPath, Operation operation)
{
    const CString folder = GetFolderPart(newPath);
    if (folder.empty()) return -1;
    if (!PathExists(folder)) return -2;
    const DWORD code = operation();
    if (code == ERROR_SUCCESS) return 0;
    SetLastError(code);
    return static_cast<int32_t>(WindowsErrorHelp());
}

// Within one volume a rename; it never replaces and never copies.
DWORD RenameNoReplace(const CString& from, const CString& to)
{
    return MoveFileExW(from.c_str(), to.c_str(), 0) ? ERROR_SUCCESS : GetLastError();
}

// Which file a path names, however it is spelled; false when it cannot be opened.
bool IdentifyFile(const CString& path, BY_HANDLE_FILE_INFORMATION& info)
{
    const unique_handle file = OwnHandle(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file && GetFileInformationByHandle(file.get(), &info);
}

// Two names equal but for case are not always one file (case-sensitive folders, files made outside
// Windows): the new name must not lead to another file.
bool NamesAnotherFile(const CString& oldPath, const CString& newPath)
{
    // A path that cannot be opened names no file to compare; the rename then reports its own failure.
    BY_HANDLE_FILE_INFORMATION from{}, to{};
    if (!IdentifyFile(newPath, to) || !IdentifyFile(oldPath, from)) return false;
    return from.dwVolumeSerialNumber != to.dwVolumeSerialNumber || from.nFileIndexHigh != to.nFileIndexHigh ||
           from.nFileIndexLow != to.nFileIndexLow;
}

// The name the directory lists for the path must be exactly the path's own file name.
DWORD CheckNameOnDisk(const CString& path)
{
    WIN32_FIND_DATAW found;
    const unique_find find = OwnFind(FindFirstFileW(path.c_str(), &found));
    if (!find) return GetLastError();
    return found.cFileName == GetFileNamePart(path) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

// Some file systems (and Wine) report a rename that changes only the case as done and leave the
// name as it was, so the file goes through a temporary name in its own folder.
DWORD ChangeCaseOnly(const CString& oldPath, const CString& newPath, CString* leftUnder)
{
    if (NamesAnotherFile(oldPath, newPath)) return ERROR_ALREADY_EXISTS;
    CString temporary;
    DWORD code = CreateUnderTemporaryName(newPath, [&](const CString& name) { return RenameNoReplace(oldPath, name); },
                                          temporary);
    if (code != ERROR_SUCCESS) return code;
    code = RenameNoReplace(temporary, newPath);
    if (code != ERROR_SUCCESS) {
        if (RenameNoReplace(temporary, oldPath) != ERROR_SUCCESS && leftUnder) *leftUnder = temporary;
        return code;
    }
    return CheckNameOnDisk(newPath);
}

// The whole file is written under a temporary name beside the target and takes the target's name
// only then, so the target's name never holds a cut-off file.
DWORD CopyWhole(const CString& source, const CString& newPath, bool failIfExists)
{
    // Windows refuses to replace a read-only file; not every host does, so the refusal is ours.
    if (!failIfExists && IsReadOnly(newPath)) return ERROR_ACCESS_DENIED;
    CString temporary;
    const DWORD copied = CreateUnderTemporaryName(
        newPath,
        [&](const CString& name) { return CopyFileW(source.c_str(), name.c_str(), TRUE) ? ERROR_SUCCESS : GetLastError(); },
        temporary);
    if (copied != ERROR_SUCCESS) {
        // A failed copy may leave what it wrote so far.
        if (!IsNameTakenError(copied)) RemoveOwnFile(temporary);
        return copied;
    }
    const DWORD flags = failIfExists ? 0 : MOVEFILE_REPLACE_EXISTING;
    if (MoveFileExW(temporary.c_str(), newPath.c_str(), flags)) return ERROR_SUCCESS;
    const DWORD code = GetLastError();
    RemoveOwnFile(temporary);
    return code;
}

// A move across volumes is a whole copy, then the source's removal; it is done only when both are.
DWORD CopyThenRemoveSource(const CString& source, const CString& newPath)
{
    if (const DWORD code = CopyWhole(source, newPath, true)) return code;
    if (DeleteFileW(source.c_str())) return ERROR_SUCCESS;
    const DWORD code = GetLastError();
    RemoveOwnFile(newPath);
    return code;
}

DWORD MoveOrRename(const CString& from, const CString& to, CString* leftUnder = nullptr)
{
    // The file system folds more than ASCII (Ä and ä name one file), so its own folding decides.
    const bool sameFile = CompareStringOrdinal(from.c_str(), static_cast<int>(from.size()), to.c_str(),
                                               static_cast<int>(to.size()), TRUE) == CSTR_EQUAL;
    if (sameFile) {
        // A file that already has the new name is there: a move onto itself is no move.
        if (GetFileNamePart(from) == GetFileNamePart(to)) return PathExists(from) ? ERROR_ALREADY_EXISTS : ERROR_FILE_NOT_FOUND;
        return ChangeCaseOnly(from, to, leftUnder);
    }
    const DWORD code = RenameNoReplace(from, to);
    return code == ERROR_NOT_SAME_DEVICE ? CopyThenRemoveSource(from, to) : code;
}

}  // namespace

bool PathExists(const CString& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool FileExists(const CString& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const CString& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int32_t CopyFileChecked(const CString& source, const CString& newPath, bool failIfExists)
{
    return Checked(newPath, [&] { return CopyWhole(source, newPath, failIfExists); });
}

int32_t MoveFileChecked(const CString& source, const CString& newPath)
{
    return Checked(newPath, [&] { return MoveOrRename(source, newPath); });
}

int32_t RenameFileChecked(const CString& oldPath, const CString& newPath, CString* leftUnder)
{
    return Checked(newPath, [&] { return MoveOrRename(oldPath, newPath, leftUnder); });
}

int32_t EnsureFolder(const CString& folder)
{
    if (FolderExists(folder)) return 0;
    return CreateDirectoryW(folder.c_str(), nullptr) ? 0 : static_cast<int32_t>(GetLastError());
}
