#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <set>
#include <string>

#include "helpers/clipboard.h"
#include "helpers/file_operations.h"
#include "helpers/paths.h"
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
        {folder_, 0}, {file, ERROR_ALREADY_EXISTS}, {folder_ + L"new", 0}, {folder_ + L"new", 0}, {folder_ + L"x\\y", ERROR_PATH_NOT_FOUND},
    };
    for (const auto& c : cases) EXPECT_EQ(EnsureFolder(c.path), c.result) << c.path;
    EXPECT_TRUE(FileExists(file) && !FolderExists(file) && FolderExists(folder_ + L"new") && !FileExists(folder_ + L"new"));
    EXPECT_FALSE(PathExists(folder_ + L"x"));
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"a.mp3", L"new"}));
}

// Across volumes a move is a copy and a removal: a song's name holds the whole song or nothing new,
// and a source that stays means no move. A full disk leaves no cut-off file and no temporary one.
TEST_F(FileOperations, AcrossVolumesASongIsMovedOrCopiedWholeOrNotAtAll)
{
    if (TempFolder::Volume("OTHER").empty() || TempFolder::Volume("FULL").empty()) GTEST_SKIP() << "no small volumes";
    const TempFolder other{L"other", TempFolder::Volume("OTHER")}, full{L"full", TempFolder::Volume("FULL")};
    const std::string big(300 * 1024, 'B');
    const CString song = temp_.Write(L"song.mp3", "S"), kept = temp_.Write(L"kept.mp3", "K");
    const CString large = temp_.Write(L"large.mp3", big);
    SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_READONLY);
    const struct { const char* name; Operation run; CString from; const TempFolder& to; int32_t result; } cases[] = {
        {"move", MoveFileChecked, song, other, 0},
        {"read-only source", MoveFileChecked, kept, other, ERROR_ACCESS_DENIED},
        {"copy onto a full disk", kCopy, large, full, ERROR_DISK_FULL},
        {"move onto a full disk", MoveFileChecked, large, full, ERROR_DISK_FULL},
    };
    for (const auto& c : cases) EXPECT_EQ(c.run(c.from, c.to.Path() + GetFileNamePart(c.from)), c.result) << c.name;
    EXPECT_EQ(other.List(), std::set<CString>{L"song.mp3"});
    EXPECT_EQ(other.ReadBytes(other.Path() + L"song.mp3"), "S");
    EXPECT_EQ(full.List(), std::set<CString>{});
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"kept.mp3", L"large.mp3"}));
    EXPECT_EQ(temp_.ReadBytes(kept) + temp_.ReadBytes(large), "K" + big);
}

// Two names equal but for case may be two files; a case-only rename then touches neither. Otherwise
// it goes through a temporary name made from the new name, past one left by an earlier run.
TEST_F(FileOperations, ACaseOnlyRenameNeverTakesTheNameOfATwin)
{
    const CString lower = temp_.Write(L"a.mp3", "lower"), upper = temp_.WriteTwin(L"A.mp3", "upper");
    for (const auto& move : kMoves) EXPECT_EQ(move.run(lower, upper), ERROR_ALREADY_EXISTS) << move.name;
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"A.mp3", L"a.mp3"}));
    EXPECT_EQ(temp_.ReadBytes(temp_.Path() + L"a.mp3") + temp_.ReadBytes(temp_.Path() + L"A.mp3"), "lowerupper");

    const CString song = temp_.Write(L"b.mp3", "B"), leftover = temp_.Write(L"~B.mp3.1.tmp", "old");
    EXPECT_EQ(RenameFileChecked(song, folder_ + L"B.mp3"), 0);
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"A.mp3", L"B.mp3", L"a.mp3", L"~B.mp3.1.tmp"}));
    EXPECT_EQ(temp_.ReadBytes(folder_ + L"B.mp3") + temp_.ReadBytes(leftover), "Bold");
}
