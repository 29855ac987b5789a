#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "framework/main_window.h"
#include "helpers/clipboard.h"
#include "support/clipboard_lock.h"

namespace {

// The clipboard belongs to the main window in the program; here a hidden window plays that part.
class Clipboard : public testing::Test {
protected:
    Clipboard() : window_(CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr))
    {
        g_MainWindow = window_;
    }
    ~Clipboard() override
    {
        g_MainWindow = nullptr;
        DestroyWindow(window_);
    }
    ClipboardLock lock_;
    HWND window_;
};

}  // namespace

TEST_F(Clipboard, UnicodeTextRoundTrip)
{
    const CString text = L"\u0393\u03B5\u03B9\u03AC \u266B Caf\u00E9\r\nline two";
    SetClipboardText(text);
    EXPECT_EQ(GetClipboardText(), text);
    SetClipboardText(L"");
    EXPECT_EQ(GetClipboardText(), L"");
}

TEST_F(Clipboard, EmptyClipboardGivesEmptyText)
{
    SetClipboardText(L"something");
    ASSERT_TRUE(OpenClipboard(window_));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(GetClipboardText(), L"");
}

TEST_F(Clipboard, AnsiTextIsReadInTheThreadsCodePage)
{
    // Only the ANSI format, as an older program would leave it.
    const char bytes[] = "Caf\xE9";
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof bytes);
    std::memcpy(GlobalLock(memory), bytes, sizeof bytes);
    GlobalUnlock(memory);
    ASSERT_TRUE(OpenClipboard(window_));
    EmptyClipboard();
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
    wchar_t expected[8] = {};
    MultiByteToWideChar(CP_THREAD_ACP, 0, bytes, -1, expected, 8);
    EXPECT_EQ(GetClipboardText(), expected);
}

TEST_F(Clipboard, HeldByAnotherWindowGivesTheErrorCode)
{
    SetClipboardText(L"kept");
    HWND other = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(OpenClipboard(other));
    EXPECT_EQ(GetClipboardText(), L"Windows Error Code: 5");
    SetClipboardText(L"lost");
    CloseClipboard();
    DestroyWindow(other);
    EXPECT_EQ(GetClipboardText(), L"kept");
}
