#include <gtest/gtest.h>

#include <set>

#include "helpers/folder_scan.h"
#include "support/temp_folder.h"

// Hidden, system and dot files and names above Latin-1 are all listed with their folder, sub-folders
// not among them; a missing folder or a record without a path adds nothing.
TEST(FolderScan, ListsEveryFileOfOneLevel)
{
    TempFolder temp{L"scan"};
    const CString root = temp.Path();
    SetFileAttributesW(temp.Write(L"\u03A9 \u4E2D.mp3").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(temp.Write(L"system.ini").c_str(), FILE_ATTRIBUTE_SYSTEM);
    temp.Write(L".dotfile");
    temp.Write(L"Sub\\inner.mp3");
    FolderRecord record = ScanFolderAt(root);
    std::set<CString> paths;
    for (const FileRecord& file : record.files) paths.insert(file.folder + file.name);
    EXPECT_EQ(paths, (std::set<CString>{root + L".dotfile", root + L"system.ini", root + L"\u03A9 \u4E2D.mp3"}));
    EXPECT_EQ(record.fileCount, 3);
    for (const CString& path : {root + L"Missing\\", CString()}) {
        record.path = path;
        ScanFolder(record);
        EXPECT_EQ(record.fileCount, 3) << path;
    }
}
