#include "helpers/folder_scan.h"

#include <algorithm>
#include <utility>

#include "framework/handles.h"
#include "framework/number_halves.h"

namespace {

// Minimum and maximum are tested independently, so the first value sets both.
void AddToRange(uint64_t value, uint64_t& minimum, uint64_t& maximum)
{
    if (value < minimum) minimum = value;
    if (value > maximum) maximum = value;
}

void RecordEntry(FolderRecord& record, const WIN32_FIND_DATAW& entry)
{
    const CString name = entry.cFileName;
    if (name == L"." || name == L"..") return;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        ++record.subfolderCount;
        ++record.totalFolders;
        record.subfolders.push_back({42, record.path + name + L"\\"});
        return;
    }
    ++record.fileCount;
    ++record.totalFiles;
    FileRecord file;
    file.name = name;
    file.folder = record.path;
    file.attributes = entry.dwFileAttributes;
    file.size = JoinHalves(entry.nFileSizeHigh, entry.nFileSizeLow);
    file.creationKey = FileTimeToSortKey(entry.ftCreationTime);
    file.accessKey = FileTimeToSortKey(entry.ftLastAccessTime);
    file.writeKey = FileTimeToSortKey(entry.ftLastWriteTime);
    file.creationTime = entry.ftCreationTime;
    file.accessTime = entry.ftLastAccessTime;
    file.writeTime = entry.ftLastWriteTime;
    record.filesSize += file.size;
    record.totalSize = record.filesSize;
    AddToRange(file.size, record.minFileSize, record.maxFileSize);
    AddToRange(file.creationKey, record.minCreationKey, record.maxCreationKey);
    AddToRange(file.accessKey, record.minAccessKey, record.maxAccessKey);
    AddToRange(file.writeKey, record.minWriteKey, record.maxWriteKey);
    record.files.push_back(std::move(file));
}

}  // namespace

uint32_t ScanFolder(FolderRecord& record)
{
    if (record.path.empty()) return 0;
    record.depth = static_cast<int32_t>(std::count(record.path.begin(), record.path.end(), L'\\'));
    // The basic level leaves out the short name, which is never used; large fetches
    // make folders of many thousand files list faster.
    const CString pattern = record.path + L"*.*";
    WIN32_FIND_DATAW entry{};
    const unique_find search = OwnFind(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry,
                                                        FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    // A folder with no entry at all (a drive's root) lists nothing: that is no failure.
    if (!search) {
        const DWORD code = GetLastError();
        return code == ERROR_FILE_NOT_FOUND ? 0 : code;
    }
    do RecordEntry(record, entry);
    while (FindNextFileW(search.get(), &entry));
    const DWORD code = GetLastError();
    return code == ERROR_NO_MORE_FILES ? 0 : code;
}

FolderRecord ScanFolderAt(const CString& folder, uint32_t* error)
{
    FolderRecord record;
    record.path = folder;
    const uint32_t result = ScanFolder(record);
    if (error) *error = result;
    return record;
}

uint64_t FileTimeToSortKey(FILETIME time)
{
    SYSTEMTIME utc{};
    // A time beyond the calendar's range converts to nothing; it keys as 0.
    if (!FileTimeToSystemTime(&time, &utc)) utc = SYSTEMTIME{};
    return uint64_t{utc.wYear} * 31536000 + uint64_t{utc.wMonth} * 2592000 + uint64_t{utc.wDay} * 86400 +
           uint64_t{utc.wHour} * 3600 + uint64_t{utc.wMinute} * 60 + utc.wSecond;
}
