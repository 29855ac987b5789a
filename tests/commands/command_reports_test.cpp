#include <windows.h>

#include <vector>

#include "commands/command_reports.h"
#include "engine_test.h"
#include "framework/main_window.h"
#include "helpers/clipboard.h"
#include "support/clipboard_lock.h"

TEST_F(EngineTest, OnlyTheAnswerNoStops)
{
    const struct { int32_t answer; bool proceeds; } cases[] = {{IDNO, false}, {IDYES, true}, {0, true}};
    for (const auto& c : cases) {
        answer = c.answer;
        boxes.clear();
        EXPECT_EQ(AskToProceed(L"Move?"), c.proceeds) << c.answer;
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].caption, g_MessageBoxCaption);
        EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
    }
    EXPECT_EQ(g_MessageBoxCount, 0);
}

TEST_F(EngineTest, AStoppingFaultStaysInTheListAfterTheFifthBox)
{
    g_MessageBoxCount = 5;
    ReportStoppingFault(host, L"No M3U file.");
    EXPECT_EQ(host.lines, std::vector<CString>{L"No M3U file."});
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(g_MessageBoxCount, 6);
}

TEST_F(EngineTest, WindowsErrorIsLoggedWithTheCodeGivenAndItsLink)
{
    const ClipboardLock lock;
    const HWND owner = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    g_MainWindow = owner;
    const CString firstRange = L"https://learn.microsoft.com/en-us/windows/win32/debug/system-error-codes--0-499-";
    const struct { int32_t code; std::vector<CString> lines; } cases[] = {
        {0, {}},
        {5, {g_Messages[33] + L"5", firstRange}},
        {-1, {g_Messages[33] + L"3", firstRange}},
        {-2, {g_Messages[33] + L"3", firstRange}},
    };
    for (const auto& c : cases) {
        host.lines.clear();
        SetLastError(1300);  // never read: the code given is the one reported
        ReportWindowsError(host, c.code);
        EXPECT_EQ(host.lines, c.lines) << c.code;
    }
    g_MainWindow = nullptr;
    DestroyWindow(owner);
}
