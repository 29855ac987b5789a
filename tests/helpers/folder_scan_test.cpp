#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include "framework/handles.h"
#include "helpers/folder_scan.h"

namespace {

// A fresh folder under the temporary folder, removed with all it holds afterwards.
class TempFolder {
public:
    TempFolder()
    {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        path_ = CString(temp) + L"scan_test_" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        std::filesystem::remove_all(path_);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    const CString& Path() const { return path_; }

private:
    CString path_;
};

FILETIME MakeFileTime(WORD year, WORD month, WORD day, WORD hour = 0)
{
    SYSTEMTIME utc{};
    utc.wYear = year, utc.wMonth = month, utc.wDay = day, utc.wHour = hour;
    FILETIME time{};
    SystemTimeToFileTime(&utc, &time);
    return time;
}

void MakeFile(const CString& path, size_t size, DWORD attributes = FILE_ATTRIBUTE_NORMAL)
{
    const unique_handle file = OwnHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, attributes, nullptr));
    ASSERT_TRUE(file) << path;
    DWORD written = 0;
    const std::string bytes(size, 'x');
    ASSERT_TRUE(WriteFile(file.get(), bytes.data(), static_cast<DWORD>(size), &written, nullptr));
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
    TempFolder temp;
    const CString root = temp.Path();
    MakeFile(root + L"hidden.mp3", 0, FILE_ATTRIBUTE_HIDDEN);
    MakeFile(root + L"system.ini", 5, FILE_ATTRIBUTE_SYSTEM);
    MakeFile(root + L".dotfile", 0);
    for (const wchar_t* sub : {L"Sub1", L"Sub2"}) {
        CreateDirectoryW((root + sub).c_str(), nullptr);
        MakeFile(root + sub + L"\\inner.mp3", 9);
    }
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
    TempFolder temp;
    MakeFile(temp.Path() + L"a.mp3", 5);
    {
        const unique_handle file = OwnHandle(CreateFileW((temp.Path() + L"a.mp3").c_str(), FILE_WRITE_ATTRIBUTES, 0,
                                                         nullptr, OPEN_EXISTING, 0, nullptr));
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
    TempFolder temp;
    const CString a = temp.Path() + L"A\\", b = temp.Path() + L"Deeper\\B\\";
    std::filesystem::create_directories(a);
    std::filesystem::create_directories(b);
    std::filesystem::create_directories(temp.Path() + L"Empty");
    MakeFile(a + L"a1.mp3", 1);
    MakeFile(a + L"a2.mp3", 2);
    MakeFile(b + L"b1.mp3", 4);

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
    TempFolder temp;
    const CString folder = temp.Path() + L"\u041F\u0435\u0441\u043D\u0438\\";
    CreateDirectoryW(folder.c_str(), nullptr);
    MakeFile(folder + L"\u03A9 \u4E2D.mp3", 3);
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
