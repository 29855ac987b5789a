#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "helpers/clipboard.h"
#include "helpers/file_operations.h"
#include "helpers/paths.h"
#include "helpers/text_files.h"
#include "support/clipboard_lock.h"
#include "support/temp_folder.h"

namespace {

using Operation = std::function<int32_t(const CString&, const CString&)>;
const Operation kCopy = CopyFileChecked;
const Operation kRename = [](const CString& from, const CString& to) { return RenameFileChecked(from, to); };
const struct { const char* name; Operation run; } kMoves[] = {{"move", MoveFileChecked}, {"rename", kRename}};

bool AlreadyExists(int32_t result) { return result == ERROR_ALREADY_EXISTS || result == ERROR_FILE_EXISTS; }

// The names in the folder with their bytes.
std::map<CString, std::string> Contents(const TempFolder& folder)
{
    std::map<CString, std::string> contents;
    for (const CString& name : folder.List()) contents[name] = TempFolder::ReadBytes(folder.Path() + name);
    return contents;
}

class FileOperations : public testing::Test {
protected:
    FileOperations() { SetClipboardText(L"untouched"); }

    ClipboardLock lock_;
    TempFolder temp_{L"fileops"};
    const CString folder_ = temp_.Path();
};

}  // namespace

// No operation replaces an existing file; a failure puts the documentation link of its code on the
// clipboard. A move onto the file's own path is the platform's: it succeeds and changes nothing.
TEST_F(FileOperations, NothingReplacesAnExistingFileAndAMoveOntoItselfChangesNothing)
{
    const CString a = temp_.Write(L"a.mp3", "A"), b = temp_.Write(L"b.mp3", "B");
    const struct { const char* name; Operation run; } cases[] = {
        {"copy", kCopy}, {kMoves[0].name, kMoves[0].run}, {kMoves[1].name, kMoves[1].run}};
    for (const auto& c : cases) {
        SetClipboardText(L"untouched");
        const int32_t result = c.run(a, b);
        EXPECT_TRUE(AlreadyExists(result)) << c.name << " " << result;
        EXPECT_EQ(temp_.ReadBytes(a) + temp_.ReadBytes(b), "AB") << c.name;
        EXPECT_EQ(GetClipboardText(), kErrorLink0To499) << c.name;
    }
    for (const auto& move : kMoves) {
        EXPECT_EQ(move.run(a, a), 0) << move.name;
        EXPECT_EQ(move.run(folder_ + L"gone.mp3", folder_ + L"gone.mp3"), ERROR_FILE_NOT_FOUND) << move.name;
    }
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"a.mp3", L"b.mp3"}));
    EXPECT_EQ(temp_.ReadBytes(a), "A");
    EXPECT_EQ(CopyFileChecked(folder_ + L"gone.mp3", b), ERROR_FILE_NOT_FOUND);
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
    EXPECT_TRUE(AlreadyExists(CopyFileChecked(source, kept)));
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
// and a source that stays means no move, also where the volume reports its removal as done. A full
// disk leaves no cut-off file and no temporary one; a long name whose temporary name would be too long
// for the volume still arrives. A copy keeps the song's last write time.
TEST_F(FileOperations, AcrossVolumesASongIsMovedOrCopiedWholeOrNotAtAll)
{
    const CString readOnly = TempFolder::Volume("READONLY");
    if (TempFolder::Volume("OTHER").empty() || TempFolder::Volume("FULL").empty() || readOnly.empty())
        GTEST_SKIP() << "no small volumes";
    const TempFolder other{L"other", TempFolder::Volume("OTHER")}, full{L"full", TempFolder::Volume("FULL")};
    const std::string big(300 * 1024, 'B');
    const CString longName = CString(82, L'\u20AC') + L".mp3";  // 250 bytes in UTF-8
    const CString song = temp_.Write(L"moved.mp3", "S"), kept = temp_.Write(L"kept.mp3", "K");
    const CString large = temp_.Write(L"large.mp3", big), long1 = temp_.Write(L"1" + longName, "L1");
    const CString long2 = temp_.Write(L"2" + longName, "L2");
    SetFileAttributesW(kept.c_str(), FILE_ATTRIBUTE_READONLY);
    const FILETIME written = {0x12345678, 0x01D00000};
    {
        const unique_handle touched =
            OwnHandle(CreateFileW(song.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(touched && SetFileTime(touched.get(), nullptr, nullptr, &written));
    }
    const struct { const char* name; Operation run; CString from; const TempFolder& to; int32_t result; } cases[] = {
        {"move", MoveFileChecked, song, other, 0},
        {"read-only source", MoveFileChecked, kept, other, ERROR_ACCESS_DENIED},
        {"source on a read-only volume", MoveFileChecked, readOnly + L"song.mp3", other, ERROR_ACCESS_DENIED},
        {"copy onto a full disk", kCopy, large, full, ERROR_DISK_FULL},
        {"move onto a full disk", MoveFileChecked, large, full, ERROR_DISK_FULL},
        {"move of a long name", MoveFileChecked, long1, other, 0},
        {"copy of a long name", kCopy, long2, other, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(c.run(c.from, c.to.Path() + GetFileNamePart(c.from)), c.result) << c.name;
    EXPECT_EQ(other.List(), (std::set<CString>{L"1" + longName, L"2" + longName, L"moved.mp3"}));
    EXPECT_EQ(other.ReadBytes(other.Path() + L"moved.mp3"), "S");
    WIN32_FILE_ATTRIBUTE_DATA moved;
    ASSERT_TRUE(GetFileAttributesExW((other.Path() + L"moved.mp3").c_str(), GetFileExInfoStandard, &moved));
    EXPECT_EQ(CompareFileTime(&moved.ftLastWriteTime, &written), 0);
    EXPECT_EQ(TempFolder::ReadBytes(readOnly + L"song.mp3"), "R");
    EXPECT_EQ(full.List(), std::set<CString>{});
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"2" + longName, L"kept.mp3", L"large.mp3"}));
    EXPECT_EQ(temp_.ReadBytes(kept) + temp_.ReadBytes(large), "K" + big);
}

// A copy claims its temporary name as a new file: one that an earlier, killed run left there is never
// removed, whether the copy fails before it starts (a missing or held source) or succeeds past it.
TEST_F(FileOperations, ACopyNeverRemovesAFileThatItDidNotMake)
{
    const CString doublet = temp_.Write(L"Song#1.mp3", "D"), leftover = temp_.Write(L"~Song.mp3.1.tmp", "old");
    const CString original = folder_ + L"Song.mp3";
    {
        const unique_handle held = TempFolder::Lock(doublet);
        EXPECT_EQ(CopyFileChecked(doublet, original), ERROR_SHARING_VIOLATION);
    }
    EXPECT_EQ(CopyFileChecked(folder_ + L"gone.mp3", original), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"Song#1.mp3", L"~Song.mp3.1.tmp"}));
    EXPECT_EQ(CopyFileChecked(doublet, original), 0);
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"Song#1.mp3", L"Song.mp3", L"~Song.mp3.1.tmp"}));
    EXPECT_EQ(temp_.ReadBytes(original) + temp_.ReadBytes(leftover), "Dold");
}

// Two names equal but for case may be two files; a case-only rename then touches neither. Otherwise
// it goes through a temporary name made from the new name, past one left by an earlier run.
TEST_F(FileOperations, ACaseOnlyRenameNeverTakesTheNameOfATwin)
{
    const CString lower = temp_.Write(L"a.mp3", "lower"), upper = temp_.WriteTwin(L"A.mp3", "upper");
    // A third spelling is found as well: the exact name alone leads the platform to one of the twins.
    for (const CString& spelling : {upper, folder_ + L"A.MP3", folder_ + L"a.MP3"})
        for (const auto& move : kMoves) EXPECT_EQ(move.run(lower, spelling), ERROR_ALREADY_EXISTS) << move.name << spelling;
    EXPECT_EQ(RenameFileChecked(upper, folder_ + L"A.Mp3"), ERROR_ALREADY_EXISTS);
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"A.mp3", L"a.mp3"}));
    EXPECT_EQ(temp_.ReadBytes(temp_.Path() + L"a.mp3") + temp_.ReadBytes(temp_.Path() + L"A.mp3"), "lowerupper");

    const CString song = temp_.Write(L"b.mp3", "B"), leftover = temp_.Write(L"~B.mp3.1.tmp", "old");
    EXPECT_EQ(RenameFileChecked(song, folder_ + L"B.mp3"), 0);
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"A.mp3", L"B.mp3", L"a.mp3", L"~B.mp3.1.tmp"}));
    EXPECT_EQ(temp_.ReadBytes(folder_ + L"B.mp3") + temp_.ReadBytes(leftover), "Bold");
}

// With every temporary name of the new name taken by files that killed runs left, nothing can wait
// beside it: a copy, a move, a text write and a case-only rename fail with ERROR_CANNOT_MAKE, never as
// a name taken (which sends a command on to a numbered name), and those files stay as they were.
TEST_F(FileOperations, WithEveryTemporaryNameTakenNothingCanBeMadeAndNothingIsTouched)
{
    std::optional<TempFolder> other;
    if (!TempFolder::Volume("OTHER").empty()) other.emplace(L"other", TempFolder::Volume("OTHER"));
    const CString song = temp_.Write(L"song.mp3", "S"), upper = temp_.Write(L"D.mp3", "D");
    const Operation write = [](const CString&, const CString& to) { return WriteTextFile(to, L"text"); };
    const struct { const char* name; CString from; const wchar_t* to; Operation run; } cases[] = {
        {"copy", song, L"a.mp3", kCopy},
        {"move across volumes", other ? other->Write(L"song.mp3", "S") : L"", L"b.mp3", MoveFileChecked},
        {"text write", song, L"c.m3u", write},
        {"case-only rename", upper, L"d.mp3", kRename},
    };
    for (const auto& c : cases) {
        if (c.from.empty()) continue;  // no second volume in this run
        for (int n = 1; n <= 100; ++n)
            temp_.Write(L"~" + CString(c.to) + L"." + std::to_wstring(n) + L".tmp", std::to_string(n));
        const auto before = Contents(temp_);
        EXPECT_EQ(c.run(c.from, folder_ + c.to), ERROR_CANNOT_MAKE) << c.name;
        EXPECT_EQ(Contents(temp_), before) << c.name;
    }
    if (other) {
        EXPECT_EQ(other->List(), std::set<CString>{L"song.mp3"});
    }
}
