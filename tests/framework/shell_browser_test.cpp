#include <gtest/gtest.h>
#include <shlwapi.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "framework/com.h"
#include "framework/file_system_rows.h"
#include "framework/number_halves.h"
#include "framework/shell_browser.h"
#include "framework/shell_items.h"
#include "framework/shell_opener.h"
#include "helpers/shortcuts.h"
#include "support/temp_folder.h"

namespace {

const int kListId = 1004;
constexpr UINT kFindSubstring = 0x0004;  // LVFI_SUBSTRING, which older headers lack
ShellBrowser* g_browser = nullptr;  // the browser that the test window passes its notifications to

// Stands in for the main dialog: forwards every notification of the list, as the dialog does.
LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM w, LPARAM l)
{
    LRESULT result = 0;
    if (message == WM_NOTIFY && g_browser && g_browser->HandleNotify(reinterpret_cast<NMHDR*>(l), &result)) return result;
    return DefWindowProcW(window, message, w, l);
}

uint64_t TwoSeconds(const FILETIME& time)
{
    return JoinHalves(time) / 20000000;
}

std::vector<CString> ShownNames(const BrowserRows& listing)
{
    std::vector<CString> names;
    for (size_t i = 0; i < listing.Count(); ++i) names.emplace_back(listing.ShownName(i));
    return names;
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
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_OWNERDATA;
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
        SetShellOpener(nullptr);
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
    // Above a drive's root lies My Computer, which has no path, and above it the desktop, where Up stops.
    ASSERT_TRUE(browser_.DisplayFolder(L"C:\\"));
    EXPECT_TRUE(browser_.DisplayParentFolder());
    EXPECT_EQ(browser_.CurrentFolderPath(), L"");
    EXPECT_GT(Count(), 0);
    EXPECT_TRUE(browser_.DisplayParentFolder());
    EXPECT_FALSE(browser_.DisplayParentFolder());

    ASSERT_TRUE(browser_.DisplayFolder(folder_));
    temp_.Write(L"b.mp3");
    browser_.Refresh();
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_);
    ASSERT_EQ(Count(), 6);
    EXPECT_EQ(browser_.GetItemPath(3), folder_ + L"\\b.mp3");
}

// Double-click and Enter open a folder, and run any other item's default command (here the test's stand-in
// for the shell, which gets the item's path); a folder gone since it was listed is not shown, and the
// folder on show is listed again without its row.
TEST_F(ShellBrowserTest, DoubleClickAndEnterOpenFoldersAndRunTheDefaultCommandOfFilesAlsoBeyondMaxPath)
{
    temp_.Write(L"disc 2\\inner\\deeper\\song.mp3");
    temp_.Write(L"disc 2\\inner\\note.txt");
    std::vector<CString> run;
    SetShellOpener([&](const CString& file, const CString&) {
        run.push_back(file);
        return INT_PTR{42};
    });
    ASSERT_TRUE(browser_.DisplayFolder(folder_));
    EXPECT_FALSE(Notify(NM_CLICK, 0));  // the dialog's own click handler takes it
    EXPECT_TRUE(Notify(NM_DBLCLK, 2));
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_);
    EXPECT_TRUE(Notify(NM_DBLCLK, 0));
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_ + L"\\disc 2");

    // What Enter does (the dialog hands it on): the selected folder opens, once; a selected file runs.
    ListView_SetItemState(list_, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    browser_.OpenSelectedItem();
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_ + L"\\disc 2\\inner");
    ListView_SetItemState(list_, 1, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    browser_.OpenSelectedItem();
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_ + L"\\disc 2\\inner");
    EXPECT_EQ(run, (std::vector<CString>{folder_ + L"\\a.txt", folder_ + L"\\disc 2\\inner\\note.txt"}));
    const CString deeper = folder_ + L"\\disc 2\\inner\\deeper";
    ASSERT_TRUE(DeleteFileW((deeper + L"\\song.mp3").c_str()) && RemoveDirectoryW(deeper.c_str()));
    EXPECT_TRUE(Notify(NM_DBLCLK, 0));
    EXPECT_EQ(browser_.CurrentFolderPath(), folder_ + L"\\disc 2\\inner");
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(browser_.GetItemPath(0), folder_ + L"\\disc 2\\inner\\note.txt");

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
    temp_.Write(inner.substr(folder_.size() + 1) + L"\\deepest.mp3");
    ASSERT_TRUE(browser_.DisplayFolder(deep));
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(browser_.GetItemPath(0), inner);
    EXPECT_EQ(browser_.GetItemPath(1), song);
    EXPECT_TRUE(Notify(NM_DBLCLK, 0));
    EXPECT_EQ(browser_.CurrentFolderPath(), inner);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(browser_.GetItemPath(0), inner + L"\\deepest.mp3");
    EXPECT_TRUE(browser_.DisplayParentFolder());
    EXPECT_EQ(browser_.CurrentFolderPath(), deep);
}

// A folder with a file-system path is listed by the file system; it shows the same rows as the shell's own
// enumeration of it, in StrCmpLogicalW's order, folders first, and a click on each row gives its path.
TEST_F(ShellBrowserTest, AMixedFolderShowsTheRowsOfTheShellsEnumeration)
{
    for (const wchar_t* name : {L"Hidden Folder", L"Folder.with.dots", L"\u00c4lter"})
        CreateDirectoryW((folder_ + L"\\" + name).c_str(), nullptr);
    const CString longName = CString(200, L'L') + L".mp3";
    const wchar_t* files[] = {L"README", L"Track 2.mp3", L"track 10.MP3", L"a-b.mp3", L"ab.m3u", L"_x.mp3",
                              L"pack.zip", L"d.url", L"\u65e5\u672c.mp3", L"\U0001F3B5 tune.mp3", L"\u00df.txt",
                              L"hidden.mp3", L".dotfile", L"system.mp3", longName.c_str()};
    std::string bytes;
    for (const wchar_t* name : files) temp_.Write(name, bytes += "x");  // each of its own size
    for (const wchar_t* name : {L"hidden.mp3", L".dotfile", L"Hidden Folder"})
        ASSERT_TRUE(SetFileAttributesW((folder_ + L"\\" + name).c_str(), FILE_ATTRIBUTE_HIDDEN)) << name;
    SetFileAttributesW((folder_ + L"\\system.mp3").c_str(), FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(SUCCEEDED(CreateShortcutFile(folder_ + L"\\a.txt", folder_ + L"\\link.lnk", L"")));

    const unique_pidl folderItem = PidlOf(folder_);
    ASSERT_TRUE(folderItem);
    BrowserRows byShell;
    ASSERT_TRUE(ListShellFolder(folderItem.get(), byShell));
    ASSERT_TRUE(browser_.DisplayFolder(folder_));
    // The rows that the folder made above has, none hidden; a shortcut's extension is never shown.
    ASSERT_EQ(Count(), 21);
    ASSERT_EQ(static_cast<size_t>(Count()), byShell.Count());
    BrowserRows byFiles;
    ASSERT_EQ(ListFileSystemFolder(folder_, byFiles), 0u);
    for (int i = 0; i < Count(); ++i) {
        const BrowserRow &file = byFiles.Item(i), &shell = byShell.Item(i);
        const CString shown(byShell.ShownName(i));
        EXPECT_EQ(CellText(i, 0), shown);
        EXPECT_EQ(byFiles.ShownName(i), shown);
        EXPECT_EQ(file.folder, shell.folder) << shown;
        EXPECT_EQ(file.size, shell.size) << shown;
        // The shell keeps times to two seconds; the list shows them to the minute.
        EXPECT_EQ(TwoSeconds(file.modified), TwoSeconds(shell.modified)) << shown;
        EXPECT_EQ(browser_.GetItemPath(i), PathOf(byShell.ShellItem(i))) << shown;
        EXPECT_NE(CellText(i, 2), L"") << shown;
        EXPECT_EQ(CellText(i, 1) != L"", !file.folder) << shown;
        if (i == 0) continue;
        const BrowserRow& before = byShell.Item(i - 1);
        EXPECT_TRUE(before.folder > shell.folder ||
                    (before.folder == shell.folder &&
                     StrCmpLogicalW(CString(byShell.ShownName(i - 1)).c_str(), shown.c_str()) <= 0))
            << shown;
    }
    for (const wchar_t* name : {L"link", L"d", L"README", L"pack.zip", L"system.mp3"})
        EXPECT_EQ(std::ranges::count(ShownNames(byShell), name), 1) << name;
}

// Typed letters select the first row from the focused one on whose shown name begins with them, letter case
// ignored, from the top again after the last row; LVM_FINDITEMW finds a whole name, or the beginning of
// one with LVFI_PARTIAL or LVFI_SUBSTRING, which the platform documents as the same.
TEST_F(ShellBrowserTest, TypeAheadSelectsTheRowThatBeginsWithTheLettersTyped)
{
    for (const wchar_t* name : {L"beta.mp3", L"Bravo.mp3"}) temp_.Write(name);
    // disc 2, Disc 10, a.txt, beta.mp3, Bravo.mp3, mΩ song.mp3, Z.mp3
    ASSERT_TRUE(browser_.DisplayFolder(folder_));
    const struct { const wchar_t* typed; int row; } cases[] = {{L"BR", 4}, {L"z", 6}, {L"a", 2}, {L"q", 2}};
    ShowWindow(window_, SW_SHOW);
    SetFocus(list_);
    for (const auto& c : cases) {
        if (&c != cases) Sleep(600);  // after a pause the list starts a new search
        for (const wchar_t* key = c.typed; *key; ++key) SendMessageW(list_, WM_CHAR, *key, 1);
        EXPECT_EQ(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_SELECTED), c.row) << c.typed;
    }
    const struct { UINT flags; const wchar_t* text; int after; int row; } finds[] = {
        {LVFI_STRING, L"A.TXT", -1, 2}, {LVFI_STRING, L"a.tx", -1, -1}, {LVFI_STRING, L"z.mp3", -1, 6},
        {LVFI_PARTIAL, L"DISC", -1, 0}, {LVFI_PARTIAL, L"a", 4, -1}, {LVFI_PARTIAL | LVFI_WRAP, L"a", 4, 2},
        {kFindSubstring, L"Br", -1, 4}, {kFindSubstring | LVFI_STRING, L"z.m", -1, 6},
    };
    for (const auto& f : finds) {
        LVFINDINFOW find = {};
        find.flags = f.flags;
        find.psz = f.text;
        EXPECT_EQ(SendMessageW(list_, LVM_FINDITEMW, f.after, reinterpret_cast<LPARAM>(&find)), f.row) << f.text;
    }
}

// A folder that can no longer be listed (gone, or held so that it cannot be read) is never kept on show:
// Refresh, and Up from below it, show the nearest folder above it that can be listed.
TEST_F(ShellBrowserTest, RefreshAndUpShowTheNearestFolderAboveThatCanBeListed)
{
    const struct { const wchar_t* shown; const wchar_t* broken; bool held; bool up; const wchar_t* after; } cases[] = {
        {L"x\\y", L"x\\y", false, false, L"\\x"},   // F5 on a removed folder
        {L"x\\y", L"x", false, false, L""},           // F5 under a removed parent
        {L"x\\y", L"x\\y", true, false, L"\\x"},    // F5 on a held folder
        {L"x\\y\\z", L"x\\y", false, true, L"\\x"}, // Up under a removed parent
        {L"x\\y\\z", L"x\\y", true, true, L"\\x"},  // Up under a held parent
    };
    for (const auto& c : cases) {
        temp_.Write(L"x\\y\\z\\song.mp3");
        ASSERT_TRUE(browser_.DisplayFolder(folder_ + L"\\" + c.shown)) << c.shown;
        const CString broken = folder_ + L"\\" + c.broken;
        {
            unique_handle hold = c.held ? TempFolder::Lock(broken) : unique_handle();
            if (!c.held) std::filesystem::remove_all(broken);
            if (c.up) EXPECT_TRUE(browser_.DisplayParentFolder());
            else browser_.Refresh();
        }
        EXPECT_EQ(browser_.CurrentFolderPath(), folder_ + c.after) << c.broken << c.held << c.up;
        BrowserRows rows;
        ASSERT_EQ(ListFileSystemFolder(browser_.CurrentFolderPath(), rows), 0u);
        EXPECT_EQ(static_cast<size_t>(Count()), rows.Count()) << c.broken << c.held << c.up;
        std::filesystem::remove_all(folder_ + L"\\x");
    }
}

// Another folder shows from its top with nothing selected, however far down the one before was chosen.
TEST_F(ShellBrowserTest, ANewFolderShowsFromItsTopWithNothingSelected)
{
    for (int i = 0; i < 60; ++i) {
        temp_.Write(L"song " + std::to_wstring(i) + L".mp3");
        temp_.Write(L"disc 2\\track " + std::to_wstring(i) + L".mp3");
    }
    ASSERT_TRUE(browser_.DisplayFolder(folder_));
    ListView_SetItemState(list_, 50, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
    ListView_EnsureVisible(list_, 50, FALSE);
    ASSERT_GT(ListView_GetTopIndex(list_), 0);
    for (const bool refresh : {false, true}) {
        if (refresh) browser_.Refresh();
        else ASSERT_TRUE(browser_.DisplayFolder(folder_ + L"\\disc 2"));
        EXPECT_EQ(ListView_GetTopIndex(list_), 0) << refresh;
        EXPECT_EQ(ListView_GetNextItem(list_, -1, LVNI_FOCUSED), -1) << refresh;
        EXPECT_EQ(ListView_GetNextItem(list_, -1, LVNI_SELECTED), -1) << refresh;
        ListView_SetItemState(list_, 40, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
        ListView_EnsureVisible(list_, 40, FALSE);
    }
}
