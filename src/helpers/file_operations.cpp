#include "helpers/file_operations.h"

#include <windows.h>

#include <algorithm>
#include <string_view>
#include <vector>

#include "framework/handles.h"
#include "framework/number_halves.h"
#include "helpers/paths.h"
#include "helpers/temporary_file.h"
#include "helpers/windows_errors.h"

namespace {

// A song is copied in pieces of up to 1 MiB; a small one needs no more room than 64 KiB.
constexpr uint64_t kCopyChunk = 1024 * 1024, kSmallestChunk = 64 * 1024;
// The attributes a copy carries over; the others say how a volume stores the file.
constexpr DWORD kCopiedAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                    FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

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

// How many entries of the folder have the path's file name but for letter case. The exact name finds
// one spelling only; a pattern with one of its characters replaced by "?" finds them all.
struct Spellings {
    DWORD code = ERROR_SUCCESS;
    int count = 0;
};
Spellings CountSpellings(const CString& path)
{
    const size_t cut = GetFolderPartView(path).size();
    const std::wstring_view name = std::wstring_view(path).substr(cut);
    CString pattern = path;
    for (size_t at = pattern.size(); at > cut; --at) {
        if (IS_HIGH_SURROGATE(pattern[at - 1]) || IS_LOW_SURROGATE(pattern[at - 1])) continue;
        pattern[at - 1] = L'?';
        break;
    }
    WIN32_FIND_DATAW found;
    const unique_find find = OwnFind(FindFirstFileW(pattern.c_str(), &found));
    if (!find) {
        const DWORD code = GetLastError();
        return {code == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : code, 0};
    }
    Spellings spellings;
    do {
        if (CompareStringOrdinal(found.cFileName, -1, name.data(), static_cast<int>(name.size()), TRUE) == CSTR_EQUAL)
            ++spellings.count;
    } while (FindNextFileW(find.get(), &found));
    return spellings;
}

// The name the directory lists for the path must be exactly the path's own file name.
DWORD CheckNameOnDisk(const CString& path)
{
    WIN32_FIND_DATAW found;
    const unique_find find = OwnFind(FindFirstFileW(path.c_str(), &found));
    if (!find) return GetLastError();
    return found.cFileName == GetFileNamePart(path) ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

// Some file systems (and Wine) report a rename that changes only the case as done and leave the name
// as it was, so the file goes through a temporary name in its own folder. Two names equal but for case
// are not always one file (case-sensitive folders, files made outside Windows): when any spelling of
// the new name other than the file itself is there, nothing is touched.
DWORD ChangeCaseOnly(const CString& oldPath, const CString& newPath, CString* leftUnder)
{
    const Spellings spellings = CountSpellings(newPath);
    if (spellings.code != ERROR_SUCCESS) return spellings.code;
    if (spellings.count > 1) return ERROR_ALREADY_EXISTS;
    const AsideName aside = MoveAside(oldPath, newPath);
    if (aside.code != ERROR_SUCCESS) return aside.code;
    const DWORD code = RenameNoReplace(aside.path, newPath);
    if (code != ERROR_SUCCESS) {
        if (RenameNoReplace(aside.path, oldPath) != ERROR_SUCCESS && leftUnder) *leftUnder = aside.path;
        return code;
    }
    return CheckNameOnDisk(newPath);
}

void KeepTimeAndAttributes(HANDLE copy, const BY_HANDLE_FILE_INFORMATION& source)
{
    FILE_BASIC_INFO basic{};  // times of 0 are left as they are
    basic.LastWriteTime.QuadPart =
        static_cast<LONGLONG>(JoinHalves(source.ftLastWriteTime));
    const DWORD kept = source.dwFileAttributes & kCopiedAttributes;
    basic.FileAttributes = kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL;
    // A volume that cannot hold them still gets the whole song.
    (void)SetFileInformationByHandle(copy, FileBasicInfo, &basic, sizeof basic);
}

// The whole song, flushed, takes the new name; a name that is taken is never replaced.
DWORD CopyWhole(const CString& source, const CString& newPath)
{
    const unique_handle from = OwnHandle(CreateFileW(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                                     OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!from || !GetFileInformationByHandle(from.get(), &info)) return GetLastError();
    // Refused before the song is read; the commit would refuse it too.
    if (PathExists(newPath)) return ERROR_FILE_EXISTS;
    TemporaryFile copy;
    if (const DWORD code = copy.Claim(newPath)) return code;
    const uint64_t size = JoinHalves(info.nFileSizeHigh, info.nFileSizeLow);
    std::vector<char> chunk(static_cast<size_t>(std::clamp(size, kSmallestChunk, kCopyChunk)));
    for (;;) {
        DWORD read = 0;
        if (!ReadFile(from.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &read, nullptr)) return GetLastError();
        if (read == 0) break;
        if (const DWORD code = copy.Write(chunk.data(), read)) return code;
    }
    KeepTimeAndAttributes(copy.Handle(), info);
    return copy.Commit(ExistingFile::Keep);
}

// A move across volumes is a whole copy, then the source's removal; it is done only when both are.
DWORD CopyThenRemoveSource(const CString& source, const CString& newPath)
{
    if (const DWORD code = CopyWhole(source, newPath)) return code;
    const DWORD removed = RemoveFileChecked(source);
    // The copy goes only while the song is still there to be seen, so that it is never nowhere.
    if (removed != ERROR_SUCCESS && PathExists(source)) RemoveOwnFile(newPath);
    return removed;
}

DWORD MoveOrRename(const CString& from, const CString& to, CString* leftUnder = nullptr)
{
    // The file system folds more than ASCII (Ä and ä name one file), so its own folding decides. A name
    // that stays exactly as it is goes to the platform, whose move onto the file itself changes nothing.
    const bool caseOnly = CompareStringOrdinal(from.c_str(), static_cast<int>(from.size()), to.c_str(),
                                               static_cast<int>(to.size()), TRUE) == CSTR_EQUAL &&
                          GetFileNamePart(from) != GetFileNamePart(to);
    if (caseOnly) return ChangeCaseOnly(from, to, leftUnder);
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

std::optional<FileIdentity> IdentifyFile(const CString& path)
{
    const unique_handle file = OwnHandle(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!file || !GetFileInformationByHandle(file.get(), &info) || info.dwVolumeSerialNumber == 0) return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber, JoinHalves(info.nFileIndexHigh, info.nFileIndexLow),
                        JoinHalves(info.nFileSizeHigh, info.nFileSizeLow),
                        JoinHalves(info.ftLastWriteTime)};
}

int32_t CopyFileChecked(const CString& source, const CString& newPath)
{
    return Checked(newPath, [&] { return CopyWhole(source, newPath); });
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
