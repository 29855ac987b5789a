#include <windows.h>

#include <vector>

#include "commands/executor.h"
#include "engine_test.h"

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
