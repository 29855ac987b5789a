#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "framework/main_window.h"
#include "helpers/clipboard.h"
#include "support/clipboard_lock.h"

// The clipboard belongs to the main window in the program; here a hidden window plays that part.
// An older program leaves only the ANSI format; a program that holds the clipboard open keeps it.
TEST(Clipboard, UnicodeFirstThenAnsiAndTheErrorCodeWhileAnotherWindowHoldsIt)
{
    const ClipboardLock lock;
    const auto newWindow = [] { return CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr); };
    g_MainWindow = newWindow();
    const char ansi[] = "Caf\xE9";
    ASSERT_TRUE(OpenClipboard(g_MainWindow));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof ansi);
    std::memcpy(GlobalLock(memory), ansi, sizeof ansi);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    wchar_t expected[8] = {};
    MultiByteToWideChar(CP_THREAD_ACP, 0, ansi, -1, expected, 8);
    EXPECT_EQ(GetClipboardText(), expected);

    const CString text = L"\u0393\u03B5\u03B9\u03AC \u266B Caf\u00E9\r\nline two";
    SetClipboardText(text);
    EXPECT_EQ(GetClipboardText(), text);
    const HWND other = newWindow();
    ASSERT_TRUE(OpenClipboard(other));
    EXPECT_EQ(GetClipboardText(), L"Windows Error Code: 5");
    SetClipboardText(L"lost");
    CloseClipboard();
    EXPECT_EQ(GetClipboardText(), text);
    DestroyWindow(other);
    DestroyWindow(g_MainWindow);
    g_MainWindow = nullptr;
}
