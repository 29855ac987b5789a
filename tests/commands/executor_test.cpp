#include <windows.h>

#include <new>
#include <string>
#include <vector>

#include "commands/command_blocks.h"
#include "commands/executor.h"
#include "engine_test.h"
#include "texts/command_lines.h"

namespace {

class Executor : public EngineTest {
protected:
    Executor() { host.Edit(InputEdit::Source) = folder.Path(); }
    std::vector<CString> BoxTexts() const
    {
        std::vector<CString> texts;
        for (const ShownBox& box : boxes) texts.push_back(box.text);
        return texts;
    }
};

}  // namespace

TEST_F(Executor, ExecuteLogsThePressAndTestOnlyShowsTheVerdict)
{
    host.selectedLine = 1;
    ExecuteCommand(host, true);
    EXPECT_TRUE(host.lines.empty());
    EXPECT_EQ(BoxTexts(), std::vector<CString>{g_Messages[28]});

    boxes.clear();
    ExecuteCommand(host, false);
    // Line 1's block runs on the empty folder and finds no shortcut.
    EXPECT_EQ(host.lines, (std::vector<CString>{g_Messages[0], g_Messages[24]}));
    EXPECT_TRUE(boxes.empty());

    host.lines.clear();
    host.selectedLine = 0;
    ExecuteCommand(host, false);
    EXPECT_EQ(host.lines, (std::vector<CString>{g_Messages[0], g_Messages[16]}));
    ASSERT_EQ(boxes.size(), 1u);
}

TEST_F(Executor, ARunStartedBehindAnOpenQuestionIsIgnored)
{
    host.selectedLine = 47;
    host.Edit(InputEdit::Search) = L"x";
    bool inside = false;
    onBox = [&] {
        if (inside) return;
        inside = true;
        ExecuteCommand(host, false);
        ExecuteCommand(host, true);
    };
    ExecuteCommand(host, false);
    EXPECT_EQ(host.lines, std::vector<CString>{g_Messages[0]});
    EXPECT_EQ(BoxTexts(), std::vector<CString>{g_Messages[147]});

    // Once the run has ended, the next one runs.
    onBox = nullptr;
    ExecuteCommand(host, true);
    EXPECT_EQ(BoxTexts(), (std::vector<CString>{g_Messages[147], g_Messages[147], g_Messages[28]}));
}

TEST(CommandBlocks, EachRegisteredCommandIsTheLineThatBearsItsNumber)
{
    for (const CString* list : {g_CommandListEnglish, g_CommandListGerman}) {
        for (int command = 1; command <= kCommandCount; ++command) {
            if (!FindCommandBlock(command)) continue;
            EXPECT_TRUE(list[CommandLine(command)].starts_with(std::to_wstring(command) + L". ")) << command;
        }
    }
    EXPECT_EQ(CommandAtLine(CommandLine(37)), 37);
    EXPECT_EQ(CommandAtLine(12), 0);
}

namespace {

// A window that fails while the command reads its inputs, as a command may fail on a huge folder.
class ThrowingHost : public ScriptedHost {
public:
    CString EditText(InputEdit) override { throw std::bad_alloc(); }
};

}  // namespace

TEST_F(Executor, AnExceptionEndsTheCommandWithItsReportAndTheNextRunRuns)
{
    ThrowingHost failing;
    failing.selectedLine = 1;
    ExecuteCommand(failing, false);
    EXPECT_EQ(failing.lines, (std::vector<CString>{g_Messages[0], g_Messages[93] + L"8"}));
    EXPECT_FALSE(IsCommandRunning());
    host.selectedLine = 1;
    ExecuteCommand(host, false);
    EXPECT_EQ(host.lines, (std::vector<CString>{g_Messages[0], g_Messages[24]}));
}
