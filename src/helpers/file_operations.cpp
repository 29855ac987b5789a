#include "helpers/file_operations.h"

#include <windows.h>

#include <string>

#include "framework/handles.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
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

// MoveFileW and the C runtime's rename both come down to this call; making it ourselves keeps the
// Windows code of the failure (the runtime keeps only errno).
DWORD MoveNoReplace(const CString& from, const CString& to)
{
    return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_COPY_ALLOWED) ? ERROR_SUCCESS : GetLastError();
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
// name as it was, so the file goes through a free temporary name in its own folder.
DWORD ChangeCaseOnly(const CString& oldPath, const CString& newPath, CString* leftUnder)
{
    const CString stem = GetFolderPart(oldPath) + L"~case" + std::to_wstring(GetCurrentProcessId()) + L"_";
    CString temporary;
    DWORD code = ERROR_ALREADY_EXISTS;
    for (int attempt = 0; attempt < 1000 && (code == ERROR_ALREADY_EXISTS || code == ERROR_FILE_EXISTS); ++attempt) {
        temporary = stem + std::to_wstring(attempt) + L".tmp";
        code = MoveNoReplace(oldPath, temporary);
    }
    if (code != ERROR_SUCCESS) return code;
    code = MoveNoReplace(temporary, newPath);
    if (code != ERROR_SUCCESS) {
        if (MoveNoReplace(temporary, oldPath) != ERROR_SUCCESS && leftUnder) *leftUnder = temporary;
        return code;
    }
    return CheckNameOnDisk(newPath);
}

DWORD MoveOrRename(const CString& from, const CString& to, CString* leftUnder = nullptr)
{
    // The file system folds more than ASCII (Ä and ä name one file), so its own folding decides.
    const bool sameFile = CompareStringOrdinal(from.c_str(), static_cast<int>(from.size()), to.c_str(),
                                               static_cast<int>(to.size()), TRUE) == CSTR_EQUAL;
    if (from != to && sameFile) return ChangeCaseOnly(from, to, leftUnder);
    return MoveNoReplace(from, to);
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
    return Checked(newPath, [&]() -> DWORD {
        // Windows refuses to replace a read-only file; not every host does, so the refusal is ours.
        if (!failIfExists && IsReadOnly(newPath)) return ERROR_ACCESS_DENIED;
        return CopyFileW(source.c_str(), newPath.c_str(), failIfExists) ? ERROR_SUCCESS : GetLastError();
    });
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
    if (PathExists(folder)) return 0;
    return CreateDirectoryW(folder.c_str(), nullptr) ? 0 : static_cast<int32_t>(GetLastError());
}

