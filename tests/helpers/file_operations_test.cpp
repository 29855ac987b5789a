#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

#include "framework/handles.h"
#include "helpers/clipboard.h"
#include "helpers/file_operations.h"
#include "support/clipboard_lock.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
const CString kLink0To499 = L"https://learn.microsoft.com/en-us/windows/win32/debug/system-error-codes--0-499-";

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

TEST_F(FileOperations, CopyReplacesAnExistingFileUnlessAskedNotTo)
{
    const CString source = temp_.Write(L"a.mp3", "new"), target = temp_.Write(L"b.mp3", "old");
    EXPECT_EQ(CopyFileChecked(source, target, true), ERROR_FILE_EXISTS);
    EXPECT_EQ(temp_.ReadBytes(target), "old");
    EXPECT_EQ(CopyFileChecked(source, target, false), 0);
    EXPECT_EQ(temp_.ReadBytes(target), "new");
    EXPECT_EQ(CopyFileChecked(folder_ + L"gone.mp3", target, false), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(GetClipboardText(), kLink0To499);
}

TEST_F(FileOperations, MoveAndRenameNeverReplaceAnExistingFile)
{
    const CString a = temp_.Write(L"a.mp3", "A"), b = temp_.Write(L"b.mp3", "B");
    for (const auto& move : kMoves) {
        SetClipboardText(L"untouched");
        EXPECT_TRUE(AlreadyExists(move.run(a, b))) << move.name;
        EXPECT_EQ(temp_.ReadBytes(a) + temp_.ReadBytes(b), "AB") << move.name;
        EXPECT_EQ(GetClipboardText(), kLink0To499) << move.name;
    }
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
        const unique_handle held = OwnHandle(CreateFileW(source.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        for (const Operation& run : {kCopy, kMoves[0].run, kMoves[1].run})
            EXPECT_EQ(run(source, target), ERROR_SHARING_VIOLATION);
        EXPECT_EQ(RenameFileChecked(source, folder_ + L"A.MP3"), ERROR_SHARING_VIOLATION);
        EXPECT_EQ(GetClipboardText(), kLink0To499);
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
    EXPECT_EQ(RenameFileChecked(lower, lower), 0);
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

TEST_F(FileOperations, EnsureFolder)
{
    const CString file = temp_.Write(L"a.mp3", "A");
    const struct { CString path; int32_t result; } cases[] = {
        {folder_, 0}, {file, 0}, {folder_ + L"new", 0}, {folder_ + L"new", 0}, {folder_ + L"x\\y", ERROR_PATH_NOT_FOUND},
    };
    for (const auto& c : cases) EXPECT_EQ(EnsureFolder(c.path), c.result) << c.path;
    EXPECT_TRUE(fs::is_regular_file(file));
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"a.mp3", L"new"}));
}

TEST_F(FileOperations, EnsureSubFolder)
{
    const struct { CString base; CString name; CString result; } cases[] = {
        {folder_.substr(0, folder_.size() - 1), L"\\New", folder_ + L"New\\"},
        {folder_, L"New", folder_ + L"New\\"},
        {folder_, L"Other\\", folder_ + L"Other\\"},
        {folder_ + L"missing", L"New", folder_ + L"missing\\"},
        {folder_, L"x\\y", folder_},
    };
    for (const auto& c : cases) EXPECT_EQ(EnsureSubFolder(c.base, c.name), c.result) << c.base << L" " << c.name;
    EXPECT_EQ(temp_.List(), (std::set<CString>{L"New", L"Other"}));
}
