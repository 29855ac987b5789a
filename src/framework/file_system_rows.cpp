#include "framework/file_system_rows.h"

#include "framework/handles.h"

namespace {

// Beyond MAX_PATH the file system takes a path only in its "\\?\" form.
CString LongForm(const CString& path)
{
    if (path.size() < MAX_PATH - 2 || path.starts_with(L"\\\\?\\")) return path;
    if (path.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

bool IsListed(const WIN32_FIND_DATAW& found)
{
    const std::wstring_view name = found.cFileName;
    // The shell leaves out hidden items unless asked for them.
    return name != L"." && name != L".." && !(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN);
}

}  // namespace

DWORD ListFileSystemFolder(const CString& folder, BrowserRows& rows)
{
    const CString pattern = LongForm(folder + (folder.ends_with(L'\\') ? L"*" : L"\\*"));
    WIN32_FIND_DATAW found = {};
    // The basic level leaves out the short names; large fetches make folders of many thousand files faster.
    const unique_find search = OwnFind(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found,
                                                        FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!search) {
        const DWORD code = GetLastError();
        // A drive's root can hold no entry at all; that is an empty folder, not a failure.
        const DWORD attributes = GetFileAttributesW(LongForm(folder).c_str());
        const bool emptyFolder = attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
        return code == ERROR_FILE_NOT_FOUND && emptyFolder ? 0 : code;
    }
    do {
        if (IsListed(found)) rows.AddFound(found);
    } while (FindNextFileW(search.get(), &found));
    const DWORD code = GetLastError();
    if (code != ERROR_NO_MORE_FILES) return code;
    rows.Sort();
    return 0;
}

bool IsFolderGone(const CString& folder)
{
    const DWORD attributes = GetFileAttributesW(LongForm(folder).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) return !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    const DWORD code = GetLastError();
    return code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND || code == ERROR_INVALID_DRIVE;
}
