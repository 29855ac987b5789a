#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "framework/handles.h"
#include "framework/shell_browser.h"

namespace {

const int kListId = 1004;
ShellBrowser* g_browser = nullptr;  // the browser that the test window passes its notifications to

// Stands in for the main dialog: forwards every notification of the list, as the dialog does.
LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM w, LPARAM l)
{
    LRESULT result = 0;
    if (message == WM_NOTIFY && g_browser && g_browser->HandleNotify(reinterpret_cast<NMHDR*>(l), &result)) {
        return result;
    }
    return DefWindowProcW(window, message, w, l);
}

void RemoveTree(const CString& folder)
{
    WIN32_FIND_DATAW data;
    const unique_find find = OwnFind(FindFirstFileW((folder + L"\\*").c_str(), &data));
    if (find) {
        do {
            const CString name = data.cFileName, path = folder + L"\\" + name;
            if (name == L"." || name == L"..") continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileW(path.c_str());
        } while (FindNextFileW(find.get(), &data));
    }
    RemoveDirectoryW(folder.c_str());
}

void WriteFile(const CString& path, const char* text)
{
    const unique_handle file = OwnHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    ASSERT_TRUE(file) << "cannot create the test file";
    DWORD written = 0;
    ::WriteFile(file.get(), text, static_cast<DWORD>(strlen(text)), &written, nullptr);
}

class ShellBrowserTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = TestWindowProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"ShellBrowserTestWindow";
        RegisterClassW(&windowClass);
        window_ = CreateWindowExW(0, windowClass.lpszClassName, L"Shell browser", WS_OVERLAPPEDWINDOW,
                                  0, 0, 700, 300, nullptr, nullptr, windowClass.hInstance, nullptr);
        list_ = CreateWindowExW(0, WC_LISTVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS |
                                    LVS_ALIGNLEFT,
                                5, 5, 680, 250, window_, reinterpret_cast<HMENU>(kListId), windowClass.hInstance, nullptr);
        ASSERT_TRUE(list_);
        g_browser = &browser_;
        browser_.Attach(window_, kListId);

        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        folder_ = CString(temp) + L"shell_browser_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                  std::to_wstring(GetTickCount());
        ASSERT_TRUE(CreateDirectoryW(folder_.c_str(), nullptr));
        for (const wchar_t* name : {L"Disc 10", L"disc 2"}) CreateDirectoryW((folder_ + L"\\" + name).c_str(), nullptr);
        for (const wchar_t* name : {L"Z.mp3", L"a.txt", L"m\u03A9 song.mp3"}) WriteFile(folder_ + L"\\" + name, "abc");
    }

    void TearDown() override
    {
        DestroyWindow(window_);
        g_browser = nullptr;
        RemoveTree(L"\\\\?\\" + folder_);  // the prefix reaches paths longer than MAX_PATH
        CoUninitialize();
    }

    int Count() const { return static_cast<int>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }

    CString CellText(int item, int column) const
    {
        wchar_t text[260] = {};
        LVITEMW cell = {};
        cell.iSubItem = column;
        cell.pszText = text;
        cell.cchTextMax = MAX_PATH;
        SendMessageW(list_, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&cell));
        return text;
    }

    std::vector<CString> Paths() const
    {
        std::vector<CString> paths;
        for (int i = 0; i < Count(); ++i) paths.push_back(browser_.GetItemPath(i));
        return paths;
    }

    bool Notify(UINT code, int item)
    {
        NMITEMACTIVATE activate = {};
        activate.hdr = {list_, static_cast<UINT_PTR>(kListId), code};
        activate.iItem = item;
        LRESULT result = -1;
        const bool handled = browser_.HandleNotify(&activate.hdr, &result);
        if (handled) {
            EXPECT_EQ(result, 0);
        }
        return handled;
    }

    HWND window_ = nullptr;
    HWND list_ = nullptr;
    ShellBrowser browser_;
    CString folder_;
};

}  // namespace

TEST_F(ShellBrowserTest, StartsOnTheDesktopWithSharedSystemIcons)
{
    EXPECT_GT(Count(), 0);
    EXPECT_TRUE(SendMessageW(list_, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
    EXPECT_FALSE(browser_.DisplayParentFolder());
    HWND header = reinterpret_cast<HWND>(SendMessageW(list_, LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 4);
    // Virtual folders such as My Computer have no file-system path.
    const std::vector<CString> paths = Paths();
    EXPECT_NE(std::find(paths.begin(), paths.end(), CString()), paths.end());
}

TEST_F(ShellBrowserTest, ListsFoldersFirstWithTheirExactPaths)
{
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
    WriteFile(folder_ + L"\\b.mp3", "");
    browser_.Refresh();
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_);
    ASSERT_EQ(Count(), 6);
    EXPECT_EQ(browser_.GetItemPath(3), folder_ + L"\\b.mp3");
}

TEST_F(ShellBrowserTest, DoubleClickAndEnterOpenFoldersOnly)
{
    CreateDirectoryW((folder_ + L"\\disc 2\\inner").c_str(), nullptr);
    CreateDirectoryW((folder_ + L"\\disc 2\\inner\\deeper").c_str(), nullptr);
    ASSERT_TRUE(browser_.DisplayFolder(folder_));
    EXPECT_FALSE(Notify(NM_CLICK, 0));  // the dialog's own click handler takes it
    EXPECT_TRUE(Notify(NM_DBLCLK, 2));  // a file: nothing opens
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_);
    EXPECT_TRUE(Notify(NM_DBLCLK, 0));
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_ + L"\\disc 2");

    // Enter reaches the list through the dialog manager and opens the selected folder once.
    LVITEMW state = {};
    state.stateMask = state.state = LVIS_FOCUSED | LVIS_SELECTED;
    SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    SetFocus(list_);
    MSG enter = {};
    enter.hwnd = list_;
    enter.message = WM_KEYDOWN;
    enter.wParam = VK_RETURN;
    EXPECT_TRUE(IsDialogMessageW(window_, &enter));
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_ + L"\\disc 2\\inner");

    EXPECT_TRUE(browser_.DisplayParentFolder());
    EXPECT_TRUE(browser_.DisplayParentFolder());
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_);
    EXPECT_EQ(Count(), 5);
}

TEST_F(ShellBrowserTest, VirtualFolderItemsHaveNoPath)
{
    ASSERT_TRUE(browser_.DisplayFolder(L"::{21EC2020-3AEA-1069-A2DD-08002B30309D}"));  // the Control Panel
    EXPECT_EQ(browser_.CurrentFolderPath(), L"");
    for (const CString& path : Paths()) EXPECT_EQ(path, L"");
}

TEST_F(ShellBrowserTest, ItemPathsLongerThanMaxPath)
{
    CString deep = folder_;
    while (deep.size() < MAX_PATH - 70) {
        deep += L"\\" + CString(40, L'x');
        ASSERT_TRUE(CreateDirectoryW(deep.c_str(), nullptr));
    }
    const CString song = deep + L"\\" + CString(120, L's') + L".mp3";
    WriteFile(L"\\\\?\\" + song, "");
    const CString inner = deep + L"\\" + CString(200, L'f');
    ASSERT_TRUE(CreateDirectoryW((L"\\\\?\\" + inner).c_str(), nullptr));
    ASSERT_TRUE(browser_.DisplayFolder(deep));
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(browser_.GetItemPath(0), inner);
    EXPECT_EQ(browser_.GetItemPath(1), song);
    EXPECT_TRUE(Notify(NM_DBLCLK, 0));
    EXPECT_EQ(browser_.CurrentFolderPath(), inner);  // Wine lists nothing inside so deep a folder
}

TEST_F(ShellBrowserTest, TenThousandFilesAreListedQuickly)
{
    const CString big = folder_ + L"\\big";
    ASSERT_TRUE(CreateDirectoryW(big.c_str(), nullptr));
    for (int i = 0; i < 10000; ++i) WriteFile(big + L"\\song " + std::to_wstring(i) + L".mp3", "");
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(browser_.DisplayFolder(big));
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(Count(), 10000);
    EXPECT_EQ(browser_.GetItemPath(9999), big + L"\\song 9999.mp3");
    EXPECT_LT(seconds, 10.0);
}
