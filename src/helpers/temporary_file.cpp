#include "helpers/temporary_file.h"

#include <string>
#include <string_view>

#include "helpers/paths.h"
#include "helpers/windows_errors.h"

namespace {

// Room for a folder's limit of 255 UTF-16 units on a name: ours adds "~" and at most ".100.tmp".
constexpr size_t kNameKept = 200;
// Room for a limit of 255 bytes where a unit may take three of them (UTF-8 on other systems).
constexpr size_t kShortNameKept = 80;
constexpr int kAttempts = 100;
// How long a file may be held by another program before its commit or removal fails: 40 waits of 50 ms.
constexpr int kHeldWaits = 40;
constexpr DWORD kHeldWaitMs = 50;

// The first units of the name, a character made of two units kept whole or not at all.
std::wstring_view KeptPart(std::wstring_view name, size_t units)
{
    if (name.size() <= units) return name;
    if (IS_HIGH_SURROGATE(name[units - 1])) --units;
    return name.substr(0, units);
}

// Tries the temporary names of finalPath in turn with tryName, which claims one or answers that it is
// taken. A form whose names are all taken, or whose name is refused for another reason (its length
// among them), gives way to the shorter form once. With every name it tried taken, the answer is
// ERROR_CANNOT_MAKE: the code of a taken name would send a caller on to another final name.
template <class TryName>
AsideName ClaimBeside(const CString& finalPath, TryName tryName)
{
    const size_t cut = GetFolderPartView(finalPath).size();
    const std::wstring_view name = std::wstring_view(finalPath).substr(cut);
    AsideName claimed;
    size_t tried = 0;
    for (const size_t kept : {kNameKept, kShortNameKept}) {
        const std::wstring_view part = KeptPart(name, kept);
        if (part.size() == tried) break;  // no shorter form to try
        tried = part.size();
        for (int attempt = 1; attempt <= kAttempts; ++attempt) {
            claimed.path = finalPath.substr(0, cut) + L"~" + CString(part) + L"." + std::to_wstring(attempt) + L".tmp";
            claimed.code = tryName(claimed.path);
            if (!IsNameTakenError(claimed.code)) break;
        }
        if (IsNameTakenError(claimed.code)) claimed.code = ERROR_CANNOT_MAKE;
        if (claimed.code == ERROR_SUCCESS) break;
    }
    if (claimed.code != ERROR_SUCCESS) claimed.path.clear();
    return claimed;
}

// Other programs open a file for a moment (Wine's menu builder each new shortcut, an indexer or a virus
// scanner any file): a step that meets one is tried again once it may have let go.
template <class Step>
DWORD UnlessHeldBriefly(Step step)
{
    DWORD code = step();
    for (int wait = 0; code == ERROR_SHARING_VIOLATION && wait < kHeldWaits; ++wait) {
        Sleep(kHeldWaitMs);
        code = step();
    }
    return code;
}

}  // namespace

TemporaryFile::~TemporaryFile()
{
    file_.reset();
    if (claimed_) RemoveOwnFile(path_);
}

DWORD TemporaryFile::Claim(const CString& finalPath)
{
    AsideName claimed = ClaimBeside(finalPath, [&](const CString& path) {
        file_ = OwnHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        return file_ ? ERROR_SUCCESS : GetLastError();
    });
    if (claimed.code != ERROR_SUCCESS) return claimed.code;
    final_ = finalPath;
    path_ = std::move(claimed.path);
    claimed_ = true;
    return ERROR_SUCCESS;
}

DWORD TemporaryFile::Write(const void* bytes, size_t size)
{
    DWORD written = 0;
    if (!WriteFile(file_.get(), bytes, static_cast<DWORD>(size), &written, nullptr)) return GetLastError();
    return written == size ? ERROR_SUCCESS : ERROR_DISK_FULL;
}

void TemporaryFile::Close()
{
    file_.reset();
}

DWORD TemporaryFile::Commit(ExistingFile existing)
{
    // A file that another writer wrote by its path is opened again, to be flushed all the same.
    const DWORD opened = file_ ? ERROR_SUCCESS : UnlessHeldBriefly([&] {
        file_ = OwnHandle(CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        return file_ ? ERROR_SUCCESS : GetLastError();
    });
    if (opened != ERROR_SUCCESS) return opened;
    if (!FlushFileBuffers(file_.get())) return GetLastError();
    file_.reset();
    const DWORD flags = MOVEFILE_WRITE_THROUGH | (existing == ExistingFile::Replace ? MOVEFILE_REPLACE_EXISTING : 0);
    const DWORD named = UnlessHeldBriefly([&] {
        return MoveFileExW(path_.c_str(), final_.c_str(), flags) ? ERROR_SUCCESS : GetLastError();
    });
    if (named == ERROR_SUCCESS) claimed_ = false;
    return named;
}

AsideName MoveAside(const CString& path, const CString& finalPath)
{
    return ClaimBeside(finalPath, [&](const CString& name) {
        return MoveFileExW(path.c_str(), name.c_str(), 0) ? ERROR_SUCCESS : GetLastError();
    });
}

DWORD RemoveFileChecked(const CString& path)
{
    const DWORD opened = UnlessHeldBriefly([&] {
        // Opened by no one else: no other handle can keep the removal pending once ours is closed.
        const unique_handle file = OwnHandle(
            CreateFileW(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_DELETE_ON_CLOSE, nullptr));
        return file ? ERROR_SUCCESS : GetLastError();
    });
    if (opened != ERROR_SUCCESS) return opened;
    if (GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) return ERROR_ACCESS_DENIED;
    const DWORD code = GetLastError();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND ? ERROR_SUCCESS : code;
}

void RemoveOwnFile(const CString& path)
{
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    (void)RemoveFileChecked(path);  // a file that stays is left for the person to find
}
