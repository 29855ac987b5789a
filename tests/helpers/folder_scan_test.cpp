#include <gtest/gtest.h>

#include <map>
#include <set>

#include "helpers/folder_scan.h"
#include "support/temp_folder.h"

// Hidden, system and dot files and names above Latin-1 are all listed, each with its folder; a missing
// folder or a record without a path adds nothing.
TEST(FolderScan, ListsEveryFileAndSubfolderOfOneLevel)
{
    TempFolder temp{L"scan"};
    const CString root = temp.Path(), songs = L"\u041F\u0435\u0441\u043D\u0438";
    SetFileAttributesW(temp.Write(L"\u03A9 \u4E2D.mp3", "xxx").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(temp.Write(L"system.ini", "xxxxx").c_str(), FILE_ATTRIBUTE_SYSTEM);
    temp.Write(L".dotfile");
    for (const CString& sub : {CString(L"Sub1"), songs}) temp.Write(sub + L"\\inner.mp3", "xxxxxxxxx");
    FolderRecord record = ScanFolderAt(root);
    std::map<CString, DWORD> files;  // name -> the attributes asked for (Wine shows a dot file as hidden)
    for (const FileRecord& file : record.files) {
        files[file.name] = file.attributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        EXPECT_EQ(file.folder, root);
    }
    EXPECT_EQ(files, (std::map<CString, DWORD>{{L".dotfile", FILE_ATTRIBUTE_HIDDEN}, {L"system.ini", FILE_ATTRIBUTE_SYSTEM},
                                               {L"\u03A9 \u4E2D.mp3", FILE_ATTRIBUTE_HIDDEN}}));
    std::set<CString> subfolders;
    for (const SubfolderEntry& sub : record.subfolders) subfolders.insert(sub.path);
    EXPECT_EQ(subfolders, (std::set<CString>{root + L"Sub1\\", root + songs + L"\\"}));
    for (const CString& path : {root + L"Missing\\", CString()}) {
        record.path = path;
        ScanFolder(record);
        EXPECT_EQ(record.files.size() + record.subfolders.size(), 5u) << path;
    }
}
