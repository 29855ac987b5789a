#include <gtest/gtest.h>

#include <windows.h>

#include "helpers/clipboard.h"
#include "helpers/windows_errors.h"
#include "support/clipboard_lock.h"

// Both ends of a range and the first code past the table; the help puts the link on the clipboard.
TEST(WindowsErrors, HelpPutsTheLinkOfTheLastErrorsRangeOnTheClipboard)
{
    const ClipboardLock lock;
    const CString site = L"https://learn.microsoft.com/en-us/windows/win32/debug/system-error-codes--";
    const struct { DWORD code; CString link; } cases[] = {
        {0, site + L"0-499-"}, {499, site + L"0-499-"}, {500, site + L"500-999-"},
        {15999, site + L"12000-15999-"}, {16000, L""}, {0x80070005u, L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WindowsErrorLink(c.code), c.link) << c.code;
        SetClipboardText(L"before");
        SetLastError(c.code);
        EXPECT_EQ(WindowsErrorHelp(), c.code);
        EXPECT_EQ(GetLastError(), c.code);
        EXPECT_EQ(GetClipboardText(), c.link) << c.code;
    }
}
