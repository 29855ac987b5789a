#include <gtest/gtest.h>

#include "framework/com.h"
#include "framework/shell_browser.h"
#include "support/temp_folder.h"

namespace {

const int kListId = 1004;
ShellBrowser* g_browser = nullptr;  // the browser that the test window passes its notifications to

// Stands in for the main dialog: forwards every notification of the list, as the dialog does.
LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM w, LPARAM l)
{
    LRESULT result = 0;
    if (message == WM_NOTIFY && g_browser && g_browser->HandleNotify(reinterpret_cast<NMHDR*>(l), &result)) return result;
    return DefWindowProcW(window, message, w, l);
}

class ShellBrowserTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(com_.Result()));
        const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        const WNDCLASSW windowClass = {0, TestWindowProc, 0, 0, instance, nullptr, nullptr, nullptr, nullptr, L"Test"};
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 700, 300, nullptr,
                                  nullptr, instance, nullptr);
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS;
        list_ = CreateWindowExW(0, WC_LISTVIEWW, L"", style, 5, 5, 680, 250, window_, reinterpret_cast<HMENU>(kListId),
                                instance, nullptr);
        ASSERT_TRUE(list_);
        g_browser = &browser_;
        browser_.Attach(window_, kListId);
        for (const wchar_t* name : {L"Disc 10", L"disc 2"}) CreateDirectoryW((folder_ + L"\\" + name).c_str(), nullptr);
        for (const wchar_t* name : {L"Z.mp3", L"a.txt", L"m\u03A9 song.mp3"}) temp_.Write(name, "abc");
    }
    void TearDown() override
    {
        DestroyWindow(window_);
        g_browser = nullptr;
    }

    int Count() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

    CString CellText(int item, int column) const
    {
        wchar_t text[MAX_PATH] = {};
        ListView_GetItemText(list_, item, column, text, MAX_PATH);
        return text;
    }

    bool Notify(UINT code, int item)
    {
        NMITEMACTIVATE activate = {};
        activate.hdr = {list_, static_cast<UINT_PTR>(kListId), code};
        activate.iItem = item;
        LRESULT result = -1;
        const bool handled = browser_.HandleNotify(&activate.hdr, &result);
        EXPECT_TRUE(!handled || result == 0);
        return handled;
    }

    ComApartment com_;
    HWND window_ = nullptr;
    HWND list_ = nullptr;
    ShellBrowser browser_;
    TempFolder temp_{L"browser"};
    const CString folder_ = temp_.Path().substr(0, temp_.Path().size() - 1);  // as the browser gives it
};

}  // namespace

// It starts on the desktop, whose virtual folders (My Computer) have no file-system path.
TEST_F(ShellBrowserTest, StartsOnTheDesktopAndListsFoldersFirstWithTheirExactPaths)
{
    EXPECT_TRUE(SendMessageW(list_, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    EXPECT_FALSE(browser_.DisplayParentFolder());
    EXPECT_EQ(SendMessageW(reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0)), HDM_GETITEMCOUNT, 0, 0), 4);
    int withoutPath = 0;
    for (int i = 0; i < Count(); ++i) withoutPath += browser_.GetItemPath(i).empty();
    EXPECT_GT(withoutPath, 0);

    ASSERT_TRUE(browser_.DisplayFolder(folder_));
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_);
    const std::vector<CString> names = {L"disc 2", L"Disc 10", L"a.txt", L"m\u03A9 song.mp3", L"Z.mp3"};
    ASSERT_EQ(Count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(CellText(i, 0), names[i]);
        EXPECT_EQ(browser_.GetItemPath(i), folder_ + L"\\" + names[i]);
    }
    EXPECT_EQ(CellText(0, 1), L"");  // folders have no size
    for (int column : {1, 2, 3}) EXPECT_NE(CellText(2, column), L"") << column;
    for (int item : {-1, 5, 1000}) EXPECT_EQ(browser_.GetItemPath(item), L"") << item;

    for (const CString& path : {folder_ + L"\\missing", folder_ + L"\\a.txt"}) {
        EXPECT_FALSE(browser_.DisplayFolder(path)) << path;
        EXPECT_EQ(browser_.CurrentFolderPath(), folder_);
        EXPECT_EQ(Count(), 5);
    }
    temp_.Write(L"b.mp3");
    browser_.Refresh();
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_);
    ASSERT_EQ(Count(), 6);
    EXPECT_EQ(browser_.GetItemPath(3), folder_ + L"\\b.mp3");
}

TEST_F(ShellBrowserTest, DoubleClickAndEnterOpenFoldersOnlyAlsoBeyondMaxPath)
{
    temp_.Write(L"disc 2\\inner\\deeper\\song.mp3");
    ASSERT_TRUE(browser_.DisplayFolder(folder_));
    EXPECT_FALSE(Notify(NM_CLICK, 0));  // the dialog's own click handler takes it
    EXPECT_TRUE(Notify(NM_DBLCLK, 2));  // a file: nothing opens
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_);
    EXPECT_TRUE(Notify(NM_DBLCLK, 0));
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_ + L"\\disc 2");

    // Enter reaches the list through the dialog manager and opens the selected folder once.
    ListView_SetItemState(list_, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    SetFocus(list_);
    MSG enter = {list_, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(window_, &enter));
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_ + L"\\disc 2\\inner");

    EXPECT_TRUE(browser_.DisplayParentFolder());
    EXPECT_TRUE(browser_.DisplayParentFolder());
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_);
    EXPECT_EQ(Count(), 5);

    // Deeper than MAX_PATH.
    CString deep = folder_;
    while (deep.size() < MAX_PATH - 70) deep += L"\\" + CString(40, L'x');
    const CString song = deep + L"\\" + CString(120, L's') + L".mp3";
    temp_.Write(song.substr(folder_.size() + 1));
    const CString inner = deep + L"\\" + CString(200, L'f');
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + inner).c_str(), nullptr));
    ASSERT_TRUE(browser_.DisplayFolder(deep));
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(browser_.GetItemPath(0), inner);
    EXPECT_EQ(browser_.GetItemPath(1), song);
    EXPECT_TRUE(Notify(NM_DBLCLK, 0));
    EXPECT_EQ(browser_.CurrentFolderPath(), inner);  // Wine lists nothing inside so deep a folder
}
