#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <set>
#include <string>

#include "helpers/clipboard.h"
#include "helpers/file_operations.h"
#include "support/clipboard_lock.h"
#include "support/temp_folder.h"

namespace {

using Operation = std::function<int32_t(const CString&, const CString&)>;
const Operation kCopy = [](const CString& from, const CString& to) { return CopyFileChecked(from, to, false); };
const Operation kRename = [](const CString& from, const CString& to) { return RenameFileChecked(from, to); };
const struct { const char* name; Operation run; } kMoves[] = {{"move", MoveFileChecked}, {"rename", kRename}};

bool AlreadyExists(int32_t result) { return result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS; }

class FileOperations : public testing::Test {
protected:
    FileOperations() { SetClipboardText(L"untouched"); }

    ClipboardLock lock_;
    TempFolder temp_{L"fileops"};
    const CString folder_ = temp_.Path();
};

}  // namespace

// A copy replaces an existing file only when told to; a move or rename never does. A failure puts the
// documentation link of its code on the clipboard.
TEST_F(FileOperations, OnlyACopyToldSoReplacesAnExistingFile)
{
    const CString a = temp_.Write(L"a.mp3", "A"), b = temp_.Write(L"b.mp3", "B");
    const Operation copyKeeping = [](const CString& from, const CString& to) { return CopyFileChecked(from, to, true); };
    const struct { const char* name; Operation run; bool replaces; } cases[] = {
        {"copy keeping", copyKeeping, false}, {"move", MoveFileChecked, false}, {"rename", kRename, false}, {"copy", kCopy, true},
    };
    for (const auto& c : cases) {
        SetClipboardText(L"untouched");
        const int32_t result = c.run(a, b);
        EXPECT_TRUE(c.replaces ? result == 0 : AlreadyExists(result)) << c.name << " " << result;
        EXPECT_EQ(temp_.ReadBytes(a) + temp_.ReadBytes(b), c.replaces ? "AA" : "AB") << c.name;
        EXPECT_EQ(GetClipboardText(), c.replaces ? L"untouched" : kErrorLink0To499) << c.name;
    }
    EXPECT_EQ(CopyFileChecked(folder_ + L"gone.mp3", b, false), ERROR_FILE_NOT_FOUND);
}

TEST_F(FileOperations, NewPathWithoutFolderOrInMissingFolderTouchesNothing)
{
    const CString source = temp_.Write(L"a.mp3", "A");
    for (const Operation& run : {kCopy, kMoves[0].run, kMoves[1].run}) {
        EXPECT_EQ(run(source, L"b.mp3"), -1);
        EXPECT_EQ(run(source, folder_ + L"missing\\b.mp3"), -2);
    }
    EXPECT_EQ(temp_.List(), std::set<CString>{L"a.mp3"});
    EXPECT_EQ(GetClipboardText(), L"untouched");
}

TEST_F(FileOperations, FileHeldOpenByAnotherProgramIsASharingViolation)
{
    const CString source = temp_.Write(L"a.mp3", "A"), target = folder_ + L"b.mp3";
    {
        const unique_handle held = TempFolder::Lock(source);
        for (const Operation& run : {kCopy, kMoves[0].run, kMoves[1].run})
            EXPECT_EQ(run(source, target), ERROR_SHARING_VIOLATION);
        EXPECT_EQ(RenameFileChecked(source, folder_ + L"A.MP3"), ERROR_SHARING_VIOLATION);
        EXPECT_EQ(GetClipboardText(), kErrorLink0To499);
    }
    EXPECT_EQ(temp_.List(), std::set<CString>{L"a.mp3"});
    EXPECT_EQ(RenameFileChecked(source, target), 0);
}

TEST_F(FileOperations, ReadOnlyFileIsNeverReplacedButMayBeRenamed)
{
    const CString source = temp_.Write(L"a.mp3", "A"), kept = temp_.Write(L"r.mp3", "R"), renamed = folder_ + L"s.mp3";
    SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(CopyFileChecked(source, kept, false), ERROR_ACCESS_DENIED);
    for (const auto& move : kMoves) EXPECT_TRUE(AlreadyExists(move.run(source, kept))) << move.name;
    EXPECT_EQ(temp_.ReadBytes(source) + temp_.ReadBytes(kept), "AR");
    EXPECT_EQ(RenameFileChecked(kept, renamed), 0);
    EXPECT_TRUE(GetFileAttributesW(renamed.c_str()) & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(MoveFileChecked(renamed, folder_ + L"S.MP3"), 0);
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"S.MP3", L"a.mp3"}));
}

TEST_F(FileOperations, CaseOnlyRenameChangesTheNameOnDisk)
{
    const CString lower = temp_.Write(L"song.mp3", "S"), upper = folder_ + L"Song.MP3";
    EXPECT_EQ(RenameFileChecked(lower, lower), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(RenameFileChecked(lower, upper), 0);
    EXPECT_EQ(temp_.List(), std::set<CString>{L"Song.MP3"});
    EXPECT_EQ(MoveFileChecked(upper, lower), 0);
    EXPECT_EQ(temp_.List(), std::set<CString>{L"song.mp3"});
    EXPECT_EQ(temp_.ReadBytes(lower), "S");
    EXPECT_EQ(RenameFileChecked(lower, folder_ + L"\u00C4rger.mp3"), 0);
    EXPECT_EQ(RenameFileChecked(folder_ + L"\u00C4rger.mp3", folder_ + L"\u00E4rger.mp3"), 0);
    EXPECT_EQ(temp_.List(), std::set<CString>{L"\u00E4rger.mp3"});
    EXPECT_EQ(RenameFileChecked(folder_ + L"gone.mp3", folder_ + L"GONE.mp3"), ERROR_FILE_NOT_FOUND);
}

TEST_F(FileOperations, FoldersAreMadeOneLevelDeepAndFilesAreNotFolders)
{
    const CString file = temp_.Write(L"a.mp3", "A");
    const struct { CString path; int32_t result; } cases[] = {
        {folder_, 0}, {file, 0}, {folder_ + L"new", 0}, {folder_ + L"new", 0}, {folder_ + L"x\\y", ERROR_PATH_NOT_FOUND},
    };
    for (const auto& c : cases) EXPECT_EQ(EnsureFolder(c.path), c.result) << c.path;
    EXPECT_TRUE(FileExists(file) && !FolderExists(file) && FolderExists(folder_ + L"new") && !FileExists(folder_ + L"new"));
    EXPECT_FALSE(PathExists(folder_ + L"x"));
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"a.mp3", L"new"}));
}
