#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "helpers/folder_scan.h"
#include "support/temp_folder.h"

namespace {

// Every number the record keeps, so a test can compare whole records at once.
std::vector<uint64_t> Numbers(const FolderRecord& r)
{
    return {uint64_t(r.depth), uint64_t(r.subfolderCount), uint64_t(r.fileCount), r.minFileSize, r.maxFileSize,
            r.filesSize, r.totalSize, r.totalFolders, r.totalFiles, r.minCreationKey, r.maxCreationKey,
            r.minAccessKey, r.maxAccessKey, r.minWriteKey, r.maxWriteKey, r.subfolders.size(), r.files.size()};
}

FolderRecord Scanned(const CString& path, FolderRecord record = {})
{
    record.path = path;
    ScanFolder(record);
    return record;
}

}  // namespace

// Hidden, system and dot files and names above Latin-1 are all listed; a missing folder adds nothing but
// its depth, a record without a path not even that.
TEST(FolderScan, RecordsEveryFileAndSubfolderOfOneLevel)
{
    TempFolder temp{L"scan"};
    const CString root = temp.Path(), songs = L"\u041F\u0435\u0441\u043D\u0438";
    SetFileAttributesW(temp.Write(L"\u03A9 \u4E2D.mp3", "xxx").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(temp.Write(L"system.ini", "xxxxx").c_str(), FILE_ATTRIBUTE_SYSTEM);
    temp.Write(L".dotfile");
    for (const CString& sub : {CString(L"Sub1"), songs}) temp.Write(sub + L"\\inner.mp3", "xxxxxxxxx");
    FolderRecord record = Scanned(root);

    const auto depth = static_cast<uint64_t>(std::count(root.begin(), root.end(), L'\\'));
    const std::vector<uint64_t> numbers = Numbers(record);
    EXPECT_EQ(std::vector<uint64_t>(numbers.begin(), numbers.begin() + 9),
              (std::vector<uint64_t>{depth, 2, 3, 0, 5, 8, 8, 2, 3}));
    std::sort(record.files.begin(), record.files.end(), [](auto& a, auto& b) { return a.name < b.name; });
    ASSERT_EQ(record.files.size(), 3u);
    EXPECT_EQ(record.files[0].name + L"|" + record.files[1].name + L"|" + record.files[2].name,
              L".dotfile|system.ini|\u03A9 \u4E2D.mp3");
    EXPECT_TRUE(record.files[1].attributes & FILE_ATTRIBUTE_SYSTEM);
    EXPECT_TRUE(record.files[2].attributes & FILE_ATTRIBUTE_HIDDEN);
    for (const FileRecord& file : record.files) EXPECT_EQ(file.folder, root);
    std::sort(record.subfolders.begin(), record.subfolders.end(), [](auto& a, auto& b) { return a.path < b.path; });
    ASSERT_EQ(record.subfolders.size(), 2u);
    EXPECT_EQ(record.subfolders[0].path + record.subfolders[1].path, root + L"Sub1\\" + root + songs + L"\\");

    FolderRecord missing = record;
    missing.depth += 1;
    EXPECT_EQ(Numbers(Scanned(root + L"Missing\\", record)), Numbers(missing));
    EXPECT_EQ(Numbers(Scanned(L"", record)), Numbers(record));
}
