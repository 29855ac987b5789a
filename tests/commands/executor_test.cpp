#include <new>

#include "commands/command_blocks.h"
#include "engine_test.h"
#include "texts/text_rows.h"

namespace {

// A window that fails while the command reads its inputs, as a command may fail on a huge folder.
class ThrowingHost : public ScriptedHost {
public:
    CString EditText(InputEdit) override { throw std::bad_alloc(); }
};

}  // namespace

using Executor = EngineTest;

TEST_F(Executor, ARunStartedBehindAnOpenQuestionIsIgnored)
{
    host.edits = {folder.Path(), L"", L"x", L""};
    host.selectedLine = CommandLine(35);
    bool inside = false;
    onBox = [&] {
        if (inside) return;
        inside = true;
        ExecuteCommand(host, false);
        ExecuteCommand(host, true);
    };
    ExecuteCommand(host, false);
    // One press, one run of command 35 over a folder without playlists.
    EXPECT_EQ(host.lines,
              (Lines{g_Messages[msg::kExecutePressed], g_Messages[msg::kFoundPlaylistsCount] + L"0",
                     g_Messages[msg::kProcessedPlaylistLinesCount] + L"0",
                     g_Messages[msg::kFindingsAndReplacementsCount] + L"0",
                     g_Messages[msg::kNewPlaylistsInNewFolderCount] + L"0", g_Messages[msg::kNoSearchResults]}));
    EXPECT_EQ(BoxTexts(), Lines{g_Messages[msg::kEmptyReplaceQuestion]});

}

TEST_F(Executor, AnExceptionEndsTheCommandWithItsReportAndTheNextRunRuns)
{
    ThrowingHost failing;
    failing.selectedLine = 1;
    ExecuteCommand(failing, false);
    EXPECT_EQ(failing.lines, (Lines{g_Messages[msg::kExecutePressed], g_Messages[msg::kCommandNotSuccessful] + L"8"}));
    EXPECT_FALSE(IsCommandRunning());
    EXPECT_EQ(Run(1, folder.Path()), Lines{g_Messages[msg::kNoLinkedSongsInFolder]});
}

TEST(CommandBlocks, EveryCommandHasABlockAndNothingElseHasOne)
{
    for (int command = 1; command <= kCommandCount; ++command) EXPECT_NE(FindCommandBlock(command), nullptr) << command;
    EXPECT_EQ(FindCommandBlock(0), nullptr);
    EXPECT_EQ(FindCommandBlock(kCommandCount + 1), nullptr);
}
