#include "commands/exports.h"
#include "engine_test.h"
#include "texts/text_rows.h"

// A box closed without an answer, or one that could not be shown, is no Yes.
TEST_F(EngineTest, OnlyTheAnswerYesGoesOn)
{
    const struct { int32_t answer; bool proceeds; } cases[] = {{IDNO, false}, {IDYES, true}, {0, false}, {IDCANCEL, false}};
    for (const auto& c : cases) {
        answer = c.answer;
        boxes.clear();
        EXPECT_EQ(AskToProceed(L"Move?"), c.proceeds) << c.answer;
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, g_MessageBoxCaption);
        EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
    }
}

TEST_F(EngineTest, AStoppingFaultStaysInTheListAfterTheFifthBox)
{
    g_MessageBoxCount = 5;
    ReportStoppingFault(host, L"No M3U file.");
    EXPECT_EQ(host.lines, Lines{L"No M3U file."});
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(g_MessageBoxCount, 6);
}

TEST_F(EngineTest, WindowsErrorIsLoggedWithTheCodeGivenAndItsLink)
{
    const struct { int32_t code; Lines lines; } cases[] = {
        {0, {}},
        {5, {g_Messages[msg::kWindowsErrorOccurred] + L"5", kErrorLink0To499}},
        {-1, {g_Messages[msg::kWindowsErrorOccurred] + L"3", kErrorLink0To499}},
        {-2, {g_Messages[msg::kWindowsErrorOccurred] + L"3", kErrorLink0To499}},
    };
    for (const auto& c : cases) {
        host.lines.clear();
        SetLastError(1300);  // never read: the code given is the one reported
        ReportWindowsError(host, c.code);
        EXPECT_EQ(host.lines, c.lines) << c.code;
    }
}

using Exports = EngineTest;

TEST_F(Exports, AFailedWriteIsReportedAloneAndNothingIsOpened)
{
    g_ExportsDir = folder.Path() + L"Missing\\";
    g_OpenExport = 1;  // an attempt to open the missing file would log a "Failed: " line
    const CString path = g_ExportsDir + stamp + L"Listbox Content.txt";
    WriteExport(host, g_Messages[msg::kListboxContent], L"text\n");
    EXPECT_EQ(host.lines, Lines{g_Messages[msg::kCommandNotSuccessful] + L"3 (" + path + L")"});
    EXPECT_FALSE(TempFolder::Exists(path));
}
