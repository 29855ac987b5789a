#include <gtest/gtest.h>

#include <set>
#include <thread>

#include "helpers/temporary_file.h"
#include "support/temp_folder.h"

// A temporary file claims a name of its own past those an earlier run left, and leaves with nothing
// but itself; a commit keeps or replaces a file of the final name as told.
TEST(TemporaryFile, ClaimsANewNameAndRemovesOnlyItselfUnlessCommitted)
{
    const TempFolder temp{L"tempfile"};
    const CString song = temp.Write(L"x.mp3", "old"), leftover = temp.Write(L"~x.mp3.1.tmp", "left");
    const struct { const char* name; bool commit; ExistingFile existing; DWORD result; const char* after; } cases[] = {
        {"dropped", false, ExistingFile::Keep, 0, "old"},
        {"kept", true, ExistingFile::Keep, ERROR_ALREADY_EXISTS, "old"},
        {"replaced", true, ExistingFile::Replace, 0, "new"},
    };
    for (const auto& c : cases) {
        {
            TemporaryFile file;
            ASSERT_EQ(file.Claim(song), 0u);
            EXPECT_EQ(file.Path(), temp.Path() + L"~x.mp3.2.tmp") << c.name;
            ASSERT_EQ(file.Write("new", 3), 0u);
            if (c.commit) {
                EXPECT_EQ(file.Commit(c.existing), c.result) << c.name;
            }
        }
        EXPECT_EQ(temp.List(), (std::set<CString>{L"x.mp3", L"~x.mp3.1.tmp"})) << c.name;
        EXPECT_EQ(TempFolder::ReadBytes(song) + TempFolder::ReadBytes(leftover), std::string(c.after) + "left") << c.name;
    }
}

// Another program that reads the new file for a moment delays its commit and does not fail it.
TEST(TemporaryFile, ACommitWaitsForAProgramThatHoldsTheFileForAMoment)
{
    const TempFolder temp{L"tempfile"};
    TemporaryFile file;
    ASSERT_EQ(file.Claim(temp.Path() + L"x.lnk"), 0u);
    file.Close();
    unique_handle reader = TempFolder::Lock(file.Path());
    std::thread letGo([&] {
        Sleep(200);
        reader.reset();
    });
    EXPECT_EQ(file.Commit(ExistingFile::Keep), 0u);
    letGo.join();
    EXPECT_EQ(temp.List(), std::set<CString>{L"x.lnk"});
}

// Where the volume refuses the temporary name for its length, a shorter form of the name is taken.
TEST(TemporaryFile, ALongNameWaitsUnderAShorterForm)
{
    const TempFolder temp{L"tempfile"};
    const CString name = CString(83, L'\u00E4') + CString(28, L'\u20AC') + L".mp3";  // 254 bytes in UTF-8
    TemporaryFile file;
    ASSERT_EQ(file.Claim(temp.Path() + name), 0u);
    EXPECT_EQ(file.Path(), temp.Path() + L"~" + CString(80, L'\u00E4') + L".1.tmp");
    EXPECT_EQ(file.Commit(ExistingFile::Keep), 0u);
    EXPECT_EQ(temp.List(), std::set<CString>{name});
}

// A name with a shorter form waits under it when every name of its full form is taken; with the names
// of both forms taken, nothing is claimed.
TEST(TemporaryFile, ALongNameWhoseNamesAreTakenWaitsUnderItsShorterFormOrNowhere)
{
    const TempFolder temp{L"tempfile"};
    const CString name = CString(90, L'a') + L".mp3", shorter = CString(80, L'a');
    const struct { CString taken; DWORD result; CString path; } cases[] = {
        {name, 0, temp.Path() + L"~" + shorter + L".1.tmp"},
        {shorter, ERROR_CANNOT_MAKE, L""},
    };
    for (const auto& c : cases) {
        for (int n = 1; n <= 100; ++n) temp.Write(L"~" + c.taken + L"." + std::to_wstring(n) + L".tmp", "left");
        TemporaryFile file;
        EXPECT_EQ(file.Claim(temp.Path() + name), c.result) << c.result;
        EXPECT_EQ(file.Path(), c.path) << c.result;
    }
    EXPECT_EQ(temp.List().size(), 200u);
}

// A removal waits for another program that holds the file for a moment, as a scanner does.
TEST(TemporaryFile, ARemovalWaitsForAProgramThatHoldsTheFileForAMoment)
{
    const TempFolder temp{L"tempfile"};
    const CString song = temp.Write(L"x.mp3", "S");
    unique_handle scanner = TempFolder::Lock(song);
    std::thread letGo([&] {
        Sleep(500);
        scanner.reset();
    });
    EXPECT_EQ(RemoveFileChecked(song), 0u);
    letGo.join();
    EXPECT_EQ(temp.List(), std::set<CString>{});
}

// A removal is checked on disk: a volume that reports it as done and keeps the file gives
// ERROR_ACCESS_DENIED; a file that another program holds open beyond the wait, as a player holds a
// song, is not removed.
TEST(TemporaryFile, ARemovalCountsOnlyWhenTheFileIsGone)
{
    const TempFolder temp{L"tempfile"};
    const CString held = temp.Write(L"held.mp3", "H"), gone = temp.Write(L"gone.mp3", "G");
    {
        const unique_handle lock = TempFolder::Lock(held);
        EXPECT_EQ(RemoveFileChecked(held), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    }
    EXPECT_EQ(RemoveFileChecked(gone), 0u);
    EXPECT_EQ(RemoveFileChecked(gone), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(temp.List(), std::set<CString>{L"held.mp3"});
    const CString readOnly = TempFolder::Volume("READONLY");
    if (readOnly.empty()) GTEST_SKIP() << "no read-only volume";
    EXPECT_EQ(RemoveFileChecked(readOnly + L"song.mp3"), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(TempFolder::ReadBytes(readOnly + L"song.mp3"), "R");
}
