#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include "dialog_runner.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// The shell browser of a running window, driven as the user drives it.
class BrowserDriver {
public:
    explicit BrowserDriver(const DialogRunner& window) : window_(window) {}

    int Rows() const { return static_cast<int>(window_.SendTo(IDC_SHELL_LIST, LVM_GETITEMCOUNT)); }
    int Find(const CString& name) const
    {
        LVFINDINFOW find = {};
        find.flags = LVFI_STRING;
        find.psz = name.c_str();
        return static_cast<int>(window_.SendTo(IDC_SHELL_LIST, LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                               reinterpret_cast<LPARAM>(&find)));
    }
    void Notify(UINT code, int row) const
    {
        NMITEMACTIVATE activate = {};
        activate.hdr = {window_.Control(IDC_SHELL_LIST), IDC_SHELL_LIST, code};
        activate.iItem = row;
        window_.Send(WM_NOTIFY, IDC_SHELL_LIST, reinterpret_cast<LPARAM>(&activate));
    }
    // The current folder, as Select Source puts it into the source edit.
    CString Current() const
    {
        window_.Click(IDC_SELECT_SOURCE);
        return window_.Text(IDC_SOURCE_EDIT);
    }
    bool ClickWritesTheAttentionLine(int row) const
    {
        window_.Click(IDC_CLEAR_INFO);
        Notify(NM_CLICK, row);
        return window_.InfoLines().back() == g_ScanMessagesEnglish[scan_msg::kClickSelectedNoFolder];
    }
    // Enter on the row, through the window's own message loop.
    void Enter(int row) const
    {
        LVITEMW state = {};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        window_.SendTo(IDC_SHELL_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
        window_.Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window_.Control(IDC_SHELL_LIST)), TRUE);
        PostMessageW(window_.Control(IDC_SHELL_LIST), WM_KEYDOWN, VK_RETURN, 1);
        window_.WaitForTick();
    }

private:
    const DialogRunner& window_;
};

CString DesktopFolder()
{
    wchar_t path[MAX_PATH] = {};
    SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, SHGFP_TYPE_CURRENT, path);
    return CString(path) + L"\\";
}

}  // namespace

// A click sets the current folder: a file's full path, a folder's without "\"; a virtual item or no item
// leaves it and writes the attention line. Double-click and Enter open folders only; Up goes back the way
// the folder was entered and does nothing at the desktop, where the window starts.
TEST(ShellBrowserWindow, ClicksSetTheCurrentFolderEnterOpensFoldersAndUpStopsAtTheDesktop)
{
    const TempFolder folder(L"browser", DesktopFolder());
    for (const wchar_t* name : {L"Disc 1\\track.mp3", L"pack.zip", L"song.mp3"}) folder.Write(name);
    const CString path = folder.Path().substr(0, folder.Path().size() - 1);
    const CString name = path.substr(path.rfind(L'\\') + 1);
    DialogRunner window;
    const BrowserDriver browser(window);
    const int desktopRows = browser.Rows();
    const int row = browser.Find(name);
    ASSERT_GE(row, 0);

    window.Click(IDC_UP);
    EXPECT_EQ(window.InfoLines().back(), L"The 'Up' button was pressed.");
    EXPECT_EQ(browser.Rows(), desktopRows);
    EXPECT_EQ(browser.Find(name), row);

    int virtualRow = 0;
    while (virtualRow < desktopRows && !browser.ClickWritesTheAttentionLine(virtualRow)) ++virtualRow;
    ASSERT_LT(virtualRow, desktopRows) << "no virtual item (My Computer) on the desktop";
    browser.Notify(NM_CLICK, row);
    EXPECT_EQ(browser.Current(), path);
    EXPECT_TRUE(browser.ClickWritesTheAttentionLine(virtualRow));
    EXPECT_EQ(browser.Current(), path);

    browser.Notify(NM_DBLCLK, row);
    ASSERT_EQ(browser.Rows(), 3);  // Disc 1, pack.zip, song.mp3
    browser.Notify(NM_CLICK, browser.Find(L"song.mp3"));
    EXPECT_EQ(browser.Current(), path + L"\\song.mp3");
    browser.Notify(NM_CLICK, browser.Find(L"Disc 1"));
    EXPECT_EQ(browser.Current(), path + L"\\Disc 1");
    EXPECT_TRUE(browser.ClickWritesTheAttentionLine(-1));
    EXPECT_EQ(browser.Current(), path + L"\\Disc 1");

    browser.Enter(browser.Find(L"pack.zip"));
    EXPECT_EQ(browser.Rows(), 3);
    folder.Write(L"new.mp3");
    window.Click(IDC_REFRESH);
    EXPECT_EQ(window.InfoLines().back(), L"The 'F5' (Refresh) button was pressed.");
    EXPECT_EQ(browser.Rows(), 4);
    browser.Enter(browser.Find(L"Disc 1"));
    EXPECT_EQ(browser.Rows(), 1);
    EXPECT_EQ(browser.Find(L"track.mp3"), 0);

    window.Click(IDC_UP);
    EXPECT_EQ(browser.Rows(), 4);
    window.Click(IDC_UP);
    EXPECT_EQ(browser.Rows(), desktopRows);
    EXPECT_EQ(browser.Find(name), row);
}
