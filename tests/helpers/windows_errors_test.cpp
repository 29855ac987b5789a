#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "helpers/clipboard.h"
#include "helpers/windows_errors.h"
#include "support/clipboard_lock.h"

namespace {
const CString kSite = L"https://learn.microsoft.com/en-us/windows/win32/debug/system-error-codes--";
}

TEST(WindowsErrors, LinkOfEachRange)
{
    const struct { uint32_t first, last; } ranges[] = {
        {0, 499}, {500, 999}, {1000, 1299}, {1300, 1699}, {1700, 3999},
        {4000, 5999}, {6000, 8199}, {8200, 8999}, {9000, 11999}, {12000, 15999},
    };
    for (const auto& r : ranges) {
        const CString link = kSite + std::to_wstring(r.first) + L"-" + std::to_wstring(r.last) + L"-";
        EXPECT_EQ(WindowsErrorLink(r.first), link);
        EXPECT_EQ(WindowsErrorLink(r.last), link);
    }
    // Compared unsigned: an HRESULT-like value is far beyond the table.
    for (uint32_t code : {16000u, 0x80070005u, 0xFFFFFFFFu}) EXPECT_EQ(WindowsErrorLink(code), L"") << code;
}

TEST(WindowsErrors, HelpPutsTheLinkOfTheLastErrorOnTheClipboard)
{
    const ClipboardLock lock;
    const struct { DWORD code; CString link; } cases[] = {
        {0, kSite + L"0-499-"}, {1300, kSite + L"1300-1699-"}, {15999, kSite + L"12000-15999-"}, {16000, L""},
    };
    for (const auto& c : cases) {
        SetClipboardText(L"before");
        SetLastError(c.code);
        EXPECT_EQ(WindowsErrorHelp(), c.code);
        EXPECT_EQ(GetLastError(), c.code);
        EXPECT_EQ(GetClipboardText(), c.link) << c.code;
    }
}

TEST(WindowsErrors, ShellExecuteErrorText)
{
    const struct { int32_t code; const wchar_t* text; } cases[] = {
        {0, L"The operating system is out of memory or resources."},
        {2, L"The specified file was not found."},
        {26, L"A sharing violation occurred."},
        {31, L"There is no application associated with the given file name extension. This error will also be "
             L"returned if you attempt to print a file that is not printable."},
        {32, L"The specified DLL was not found."},
        {33, L""},
        {42, L""},
        {1, L"The ShellExecute function failed (due to unprecise Windows error code)."},
        {4, L"The ShellExecute function failed (due to unprecise Windows error code)."},
        {-1, L"The ShellExecute function failed (due to unprecise Windows error code)."},
    };
    for (const auto& c : cases) EXPECT_EQ(ShellExecuteErrorText(c.code), c.text) << c.code;
}
