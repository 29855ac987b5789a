#pragma once
// One level of a folder: its files and sub-folders with size and time statistics.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/strings.h"

struct SubfolderEntry {
    int32_t link = 0;
    CString path;  // ends in "\"
};

struct FileRecord {
    CString name;
    CString folder;  // the scanned folder, ends in "\"
    uint32_t attributes = 0;
    uint64_t size = 0;
    uint64_t creationKey = 0;
    uint64_t accessKey = 0;
    uint64_t writeKey = 0;
    FILETIME creationTime{};
    FILETIME accessTime{};
    FILETIME writeTime{};
};

struct FolderRecord {
    CString path;  // set by the caller, ends in "\"
    // Statistics filled for completeness; nothing reads them yet, except fileCount.
    int32_t depth = 0;
    int32_t subfolderCount = 0;
    int32_t fileCount = 0;
    uint64_t minFileSize = UINT64_MAX;
    uint64_t maxFileSize = 0;
    uint64_t filesSize = 0;
    uint64_t totalSize = 0;
    uint64_t totalFolders = 0;
    uint64_t totalFiles = 0;
    uint64_t minCreationKey = UINT64_MAX;
    uint64_t maxCreationKey = 0;
    uint64_t minAccessKey = UINT64_MAX;
    uint64_t maxAccessKey = 0;
    uint64_t minWriteKey = UINT64_MAX;
    uint64_t maxWriteKey = 0;
    std::vector<SubfolderEntry> subfolders;
    std::vector<FileRecord> files;
};

// Adds the entries of record.path (one level, "." and ".." skipped) to what the record holds. 0 when
// the folder was listed (also when it holds nothing), else the Windows code of the failed listing; the
// entries listed before a failure stay in the record.
[[nodiscard]] uint32_t ScanFolder(FolderRecord& record);
// A new record of the folder (ending in "\"), scanned; the scan's result goes to error when given.
FolderRecord ScanFolderAt(const CString& folder, uint32_t* error = nullptr);
// A coarse, monotone key: every year 365 days, every month 30 days.
uint64_t FileTimeToSortKey(FILETIME time);
