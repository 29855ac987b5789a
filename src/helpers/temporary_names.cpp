#include "helpers/temporary_names.h"

#include <string>

#include "helpers/windows_errors.h"

namespace {

// Room for the folder's own limit on a name: ours adds at most "~" and ".99.tmp".
constexpr size_t kNameKept = 200;
constexpr int kAttempts = 100;

}  // namespace

DWORD CreateUnderTemporaryName(const CString& finalPath, const std::function<DWORD(const CString& path)>& create,
                               CString& temporary)
{
    const size_t cut = finalPath.find_last_of(L"\\/") + 1;
    const CString stem = finalPath.substr(0, cut) + L"~" + finalPath.substr(cut, kNameKept) + L".";
    DWORD code = ERROR_FILE_EXISTS;
    for (int attempt = 1; attempt <= kAttempts && IsNameTakenError(code); ++attempt) {
        temporary = stem + std::to_wstring(attempt) + L".tmp";
        code = create(temporary);
    }
    return code;
}

DWORD CreateTemporaryFileBeside(const CString& finalPath, CString& temporary, unique_handle& file)
{
    return CreateUnderTemporaryName(
        finalPath,
        [&](const CString& name) {
            file = OwnHandle(
                CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
            return file ? ERROR_SUCCESS : GetLastError();
        },
        temporary);
}

void RemoveOwnFile(const CString& path)
{
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(path.c_str());
}
