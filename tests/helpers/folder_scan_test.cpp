#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "framework/handles.h"
#include "helpers/folder_scan.h"
#include "support/temp_folder.h"

namespace {

FILETIME MakeFileTime(WORD year, WORD month, WORD day, WORD hour = 0)
{
    SYSTEMTIME utc{};
    utc.wYear = year, utc.wMonth = month, utc.wDay = day, utc.wHour = hour;
    FILETIME time{};
    SystemTimeToFileTime(&utc, &time);
    return time;
}

// Every number the record keeps, so a test can compare whole records at once.
std::vector<uint64_t> Numbers(const FolderRecord& r)
{
    return {uint64_t(r.depth), uint64_t(r.subfolderCount), uint64_t(r.fileCount), r.minFileSize, r.maxFileSize,
            r.filesSize, r.totalSize, r.totalFolders, r.totalFiles, r.minCreationKey, r.maxCreationKey,
            r.minAccessKey, r.maxAccessKey, r.minWriteKey, r.maxWriteKey, r.subfolders.size(), r.files.size()};
}

int32_t Backslashes(const CString& path) { return static_cast<int32_t>(std::count(path.begin(), path.end(), L'\\')); }

}  // namespace

TEST(FolderScan, RecordsEveryFileAndSubfolderOfOneLevel)
{
    TempFolder temp{L"scan"};
    const CString root = temp.Path();
    SetFileAttributesW(temp.Write(L"hidden.mp3").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(temp.Write(L"system.ini", "xxxxx").c_str(), FILE_ATTRIBUTE_SYSTEM);
    temp.Write(L".dotfile");
    for (const CString sub : {L"Sub1", L"Sub2"}) temp.Write(sub + L"\\inner.mp3", "xxxxxxxxx");
    FolderRecord record;
    record.path = root;
    ScanFolder(record);

    const std::vector<uint64_t> counts = {uint64_t(record.depth), uint64_t(record.fileCount), record.totalFiles,
                                          uint64_t(record.subfolderCount), record.totalFolders, record.minFileSize,
                                          record.maxFileSize, record.filesSize, record.totalSize};
    EXPECT_EQ(counts, (std::vector<uint64_t>{uint64_t(Backslashes(root)), 3, 3, 2, 2, 0, 5, 5, 5}));
    std::sort(record.files.begin(), record.files.end(), [](auto& a, auto& b) { return a.name < b.name; });
    ASSERT_EQ(record.files.size(), 3u);
    EXPECT_EQ(record.files[0].name + L"|" + record.files[1].name + L"|" + record.files[2].name,
              L".dotfile|hidden.mp3|system.ini");
    EXPECT_TRUE(record.files[1].attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_TRUE(record.files[2].attributes & FILE_ATTRIBUTE_SYSTEM);
    EXPECT_EQ(record.files[2].size, 5u);
    for (const FileRecord& file : record.files) EXPECT_EQ(file.folder, root);
    std::sort(record.subfolders.begin(), record.subfolders.end(), [](auto& a, auto& b) { return a.path < b.path; });
    ASSERT_EQ(record.subfolders.size(), 2u);
    EXPECT_EQ(record.subfolders[0].path + record.subfolders[1].path, root + L"Sub1\\" + root + L"Sub2\\");
    for (const SubfolderEntry& sub : record.subfolders) EXPECT_EQ(sub.link, 42);
}

TEST(FolderScan, FileTimesGiveTheKeysAndBothEndsOfEachRange)
{
    TempFolder temp{L"scan"};
    const CString song = temp.Write(L"a.mp3", "xxxxx");
    {
        const unique_handle file =
            OwnHandle(CreateFileW(song.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        const FILETIME access = MakeFileTime(2024, 3, 1), write = MakeFileTime(2023, 1, 1);
        ASSERT_TRUE(SetFileTime(file.get(), nullptr, &access, &write));
    }
    FolderRecord record;
    record.path = temp.Path();
    ScanFolder(record);
    ASSERT_EQ(record.files.size(), 1u);
    const FileRecord& file = record.files[0];
    EXPECT_EQ(file.writeKey, 63800006400u);
    EXPECT_EQ(file.accessKey, FileTimeToSortKey(MakeFileTime(2024, 3, 1)));
    EXPECT_EQ(file.creationKey, FileTimeToSortKey(file.creationTime));
    // One file is both the smallest and the largest.
    const std::vector<uint64_t> ranges = {record.minFileSize, record.maxFileSize, record.minCreationKey,
                                          record.maxCreationKey, record.minAccessKey, record.maxAccessKey,
                                          record.minWriteKey, record.maxWriteKey};
    const std::vector<uint64_t> expected = {5, 5, file.creationKey, file.creationKey, file.accessKey,
                                            file.accessKey, file.writeKey, file.writeKey};
    EXPECT_EQ(ranges, expected);
}

TEST(FolderScan, AddsToTheRecordAndKeepsItWhenNothingIsListed)
{
    TempFolder temp{L"scan"};
    const CString a = temp.Path() + L"A\\", b = temp.Path() + L"Deeper\\B\\";
    CreateDirectoryW((temp.Path() + L"Empty").c_str(), nullptr);
    temp.Write(L"A\\a1.mp3", "x");
    temp.Write(L"A\\a2.mp3", "xx");
    temp.Write(L"Deeper\\B\\b1.mp3", "xxxx");

    FolderRecord empty;
    empty.path = temp.Path() + L"Empty\\";
    ScanFolder(empty);
    FolderRecord start;
    start.depth = Backslashes(empty.path);
    EXPECT_EQ(Numbers(empty), Numbers(start));

    FolderRecord record;
    record.path = a;
    ScanFolder(record);
    record.path = b;
    ScanFolder(record);
    EXPECT_EQ(record.depth, Backslashes(b));
    EXPECT_EQ(record.fileCount, 3);
    EXPECT_EQ(record.filesSize, 7u);
    EXPECT_EQ(record.minFileSize, 1u);
    EXPECT_EQ(record.maxFileSize, 4u);
    ASSERT_EQ(record.files.size(), 3u);
    EXPECT_EQ(record.files[0].folder, a);
    EXPECT_EQ(record.files[1].folder, a);
    EXPECT_EQ(record.files[2].folder + record.files[2].name, b + L"b1.mp3");

    FolderRecord before = record;
    record.path = before.path = temp.Path() + L"Missing\\";
    before.depth = Backslashes(before.path);
    ScanFolder(record);
    EXPECT_EQ(Numbers(record), Numbers(before));

    record.path.clear();
    record.depth = -7;
    ScanFolder(record);
    EXPECT_EQ(record.depth, -7);
}

TEST(FolderScan, NamesAboveLatin1)
{
    TempFolder temp{L"scan"};
    const CString folder = temp.Path() + L"\u041F\u0435\u0441\u043D\u0438\\";
    temp.Write(L"\u041F\u0435\u0441\u043D\u0438\\\u03A9 \u4E2D.mp3", "xxx");
    FolderRecord record;
    record.path = folder;
    ScanFolder(record);
    ASSERT_EQ(record.files.size(), 1u);
    EXPECT_EQ(record.files[0].name, L"\u03A9 \u4E2D.mp3");
    EXPECT_EQ(record.files[0].size, 3u);
}

TEST(FolderScan, FileTimeToSortKey)
{
    EXPECT_EQ(FileTimeToSortKey(MakeFileTime(2023, 1, 1)), 63800006400u);
    EXPECT_EQ(FileTimeToSortKey(MakeFileTime(2023, 1, 31, 12)), FileTimeToSortKey(MakeFileTime(2023, 2, 1, 12)));
    // Beyond the calendar's range the conversion fails.
    EXPECT_EQ(FileTimeToSortKey(FILETIME{0xFFFFFFFF, 0xFFFFFFFF}), 0u);
}
