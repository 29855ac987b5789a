#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>
#include <vector>

#include "dialog_runner.h"
#include "framework/shell_opener.h"
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
    CString Name(int row) const
    {
        wchar_t text[MAX_PATH] = {};
        LVITEMW item = {};
        item.pszText = text;
        item.cchTextMax = MAX_PATH;
        window_.SendTo(IDC_SHELL_LIST, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        return text;
    }
    std::vector<CString> Names() const
    {
        std::vector<CString> names;
        for (int row = 0; row < Rows(); ++row) names.push_back(Name(row));
        return names;
    }
    HWND Header() const { return reinterpret_cast<HWND>(window_.SendTo(IDC_SHELL_LIST, LVM_GETHEADER)); }
    // A click of the mouse on the column's heading.
    void ClickHeader(int column) const
    {
        RECT rect = {};
        SendMessageW(Header(), HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect));
        const LPARAM at = MAKELPARAM((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
        SendMessageW(Header(), WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(Header(), WM_LBUTTONUP, 0, at);
    }
    // The sort arrow of each heading: 1 up, -1 down, 0 none.
    std::vector<int> Arrows() const
    {
        std::vector<int> arrows;
        for (int column = 0; column < 4; ++column) {
            HDITEMW item = {};
            item.mask = HDI_FORMAT;
            SendMessageW(Header(), HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
            arrows.push_back((item.fmt & HDF_SORTUP) ? 1 : (item.fmt & HDF_SORTDOWN) ? -1 : 0);
        }
        return arrows;
    }
    void Select(int row) const
    {
        LVITEMW state = {};
        state.stateMask = state.state = LVIS_SELECTED | LVIS_FOCUSED;
        window_.SendTo(IDC_SHELL_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
    }
    int Selected() const { return Next(-1, LVNI_SELECTED); }
    int Next(int row, UINT flags) const
    {
        return static_cast<int>(window_.SendTo(IDC_SHELL_LIST, LVM_GETNEXTITEM, static_cast<WPARAM>(row), flags));
    }
    // The selection of these rows, the focus on one and the selection mark on one, as clicks with Ctrl
    // and Shift leave them.
    void SelectOnly(const std::vector<int>& rows, int focused, int mark) const
    {
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED;
        window_.SendTo(IDC_SHELL_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        state.state = LVIS_SELECTED;
        for (const int row : rows) {
            window_.SendTo(IDC_SHELL_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
        }
        state.stateMask = state.state = LVIS_FOCUSED;
        window_.SendTo(IDC_SHELL_LIST, LVM_SETITEMSTATE, static_cast<WPARAM>(focused), reinterpret_cast<LPARAM>(&state));
        window_.SendTo(IDC_SHELL_LIST, LVM_SETSELECTIONMARK, 0, mark);
    }
    std::set<CString> SelectedNames() const
    {
        std::set<CString> selected;
        for (int row = -1; (row = Next(row, LVNI_SELECTED)) >= 0;) selected.insert(Name(row));
        return selected;
    }
    bool IsInView(int row) const
    {
        const auto top = static_cast<int>(window_.SendTo(IDC_SHELL_LIST, LVM_GETTOPINDEX));
        return row >= top && row < top + static_cast<int>(window_.SendTo(IDC_SHELL_LIST, LVM_GETCOUNTPERPAGE));
    }
    // Enter on the row, through the window's own message loop.
    void Enter(int row) const
    {
        Select(row);
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

// Opens the folder, which must lie on the desktop where the window starts; its path without "\".
CString OpenFromDesktop(const BrowserDriver& browser, const TempFolder& folder)
{
    const CString path = folder.Path().substr(0, folder.Path().size() - 1);
    browser.Notify(NM_DBLCLK, browser.Find(path.substr(path.rfind(L'\\') + 1)));
    return path;
}

void SetWriteTime(const CString& path, WORD year)
{
    const SYSTEMTIME time = {year, 6, 0, 15, 12, 0, 0, 0};
    FILETIME stamp = {};
    SystemTimeToFileTime(&time, &stamp);
    const unique_handle file = OwnHandle(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    ASSERT_TRUE(file && SetFileTime(file.get(), nullptr, nullptr, &stamp)) << path;
}

// A file type of the test's own, registered where Wine's shell looks types up: its command copies the
// file it opens to the file's name + ".opened".
class MarkingType {
public:
    MarkingType()
    {
        SetDefault(L".tallowmark", L"Tallowmere.Mark");
        SetDefault(L"Tallowmere.Mark\\shell\\open\\command", L"cmd.exe /c copy \"%1\" \"%1.opened\"");
    }
    ~MarkingType()
    {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L".tallowmark");
        RegDeleteTreeW(HKEY_CLASSES_ROOT, L"Tallowmere.Mark");
    }
    MarkingType(const MarkingType&) = delete;
    MarkingType& operator=(const MarkingType&) = delete;

    // What the command copied from the file, once it has run; empty when it has not within 20 s.
    static std::string Mark(const CString& file)
    {
        for (int i = 0; i < 200 && !TempFolder::Exists(file + L".opened"); ++i) Sleep(100);
        Sleep(100);  // the copy may still be written
        return TempFolder::Exists(file + L".opened") ? TempFolder::ReadBytes(file + L".opened") : std::string();
    }

private:
    static void SetDefault(const wchar_t* key, const CString& value)
    {
        const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
        ASSERT_EQ(RegSetKeyValueW(HKEY_CLASSES_ROOT, key, nullptr, REG_SZ, value.c_str(), bytes), ERROR_SUCCESS) << key;
    }
};

}  // namespace

// A click sets the current folder: a file's full path, a folder's without "\"; a virtual item or no item
// leaves it and writes the attention line. Double-click and Enter open folders and run a file's default
// command (a zip file is a file); Up goes back the way the folder was entered and does nothing at the
// desktop, where the window starts.
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

    CString opened;
    SetShellOpener([&](const CString& file, const CString&) {
        opened = file;
        return INT_PTR{42};
    });
    browser.Enter(browser.Find(L"pack.zip"));
    SetShellOpener(nullptr);
    EXPECT_EQ(opened, path + L"\\pack.zip");
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

// The default command is the shell's own: a file of a registered type opens in its program, on a
// double-click and on Enter, and the browser stays where it is, with no line of its own.
TEST(ShellBrowserWindow, DoubleClickAndEnterOnAFileRunItsDefaultCommand)
{
    const MarkingType type;
    const TempFolder folder(L"browser", DesktopFolder());
    const CString first = folder.Write(L"first song.tallowmark", "1"), second = folder.Write(L"second.tallowmark", "2");
    DialogRunner window;
    const BrowserDriver browser(window);
    OpenFromDesktop(browser, folder);
    ASSERT_EQ(browser.Rows(), 2);
    const size_t lines = window.InfoLines().size();
    browser.Notify(NM_DBLCLK, browser.Find(L"first song.tallowmark"));
    browser.Enter(browser.Find(L"second.tallowmark"));
    EXPECT_EQ(MarkingType::Mark(first), "1");
    EXPECT_EQ(MarkingType::Mark(second), "2");
    EXPECT_EQ(browser.Rows(), 2);
    EXPECT_EQ(window.InfoLines().size(), lines);
}

// F5 on a folder that is gone, and Up from under a parent that is gone, show the nearest folder above
// that can be listed, after their own lines; no row of a folder that is gone stays to be clicked.
TEST(ShellBrowserWindow, F5AndUpNeverKeepTheRowsOfAFolderThatIsGone)
{
    const TempFolder folder(L"browser", DesktopFolder());
    folder.Write(L"song.mp3");
    DialogRunner window;
    const BrowserDriver browser(window);
    const CString path = OpenFromDesktop(browser, folder);
    const struct { int button; const wchar_t* line; } cases[] = {
        {IDC_UP, L"The 'Up' button was pressed."},
        {IDC_REFRESH, L"The 'F5' (Refresh) button was pressed."},
    };
    for (const auto& c : cases) {
        folder.Write(L"Album\\Disc 1\\track.mp3");
        window.Click(IDC_REFRESH);
        browser.Enter(browser.Find(L"Album"));
        browser.Enter(browser.Find(L"Disc 1"));
        ASSERT_EQ(browser.Names(), std::vector<CString>{L"track.mp3"}) << c.line;
        std::filesystem::remove_all(folder.Path() + L"Album");
        window.Click(c.button);
        EXPECT_EQ(window.InfoLines().back(), c.line);
        EXPECT_EQ(browser.Names(), std::vector<CString>{L"song.mp3"}) << c.line;
        browser.Notify(NM_CLICK, 0);
        EXPECT_EQ(browser.Current(), path + L"\\song.mp3") << c.line;
    }
}

// A header click sorts by its column, folders first and ties by name, and shows its arrow there alone; a
// second click reverses the whole order. The order holds for Refresh and the next folder, and the
// selected row stays selected.
TEST(ShellBrowserWindow, AHeaderClickSortsByItsColumnAndASecondClickReversesTheWholeOrder)
{
    const TempFolder folder(L"browser", DesktopFolder());
    const struct { const wchar_t* name; size_t size; WORD year; } files[] = {
        {L"c.mp3", 300, 2021}, {L"B.txt", 100, 2023}, {L"a.mp3", 100, 2022}, {L"d.m3u", 200, 2021},
        {L"b\\x.mp3", 10, 2020}, {L"b\\y.mp3", 5, 2020},
    };
    for (const auto& f : files) folder.Write(f.name, std::string(f.size, 'x'));
    for (const auto& f : files) SetWriteTime(folder.Path() + f.name, f.year);
    CreateDirectoryW((folder.Path() + L"A").c_str(), nullptr);
    SetWriteTime(folder.Path() + L"A", 2024);
    SetWriteTime(folder.Path() + L"b", 2020);
    DialogRunner window;
    const BrowserDriver browser(window);
    EXPECT_EQ(browser.Arrows(), (std::vector<int>{1, 0, 0, 0}));
    OpenFromDesktop(browser, folder);

    // By type: the shell's type texts, letter case ignored; ties in name order.
    std::vector<CString> byType = {L"a.mp3", L"B.txt", L"c.mp3", L"d.m3u"};
    const auto type = [](const CString& name) {
        SHFILEINFOW info = {};
        SHGetFileInfoW(name.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info, SHGFI_USEFILEATTRIBUTES | SHGFI_TYPENAME);
        return CString(info.szTypeName);
    };
    std::stable_sort(byType.begin(), byType.end(),
                     [&](const CString& a, const CString& b) { return lstrcmpiW(type(a).c_str(), type(b).c_str()) < 0; });
    byType.insert(byType.begin(), {L"A", L"b"});
    const struct { int column; std::vector<int> arrows; std::vector<CString> names; } cases[] = {
        {1, {0, 1, 0, 0}, {L"A", L"b", L"a.mp3", L"B.txt", L"d.m3u", L"c.mp3"}},
        {1, {0, -1, 0, 0}, {L"c.mp3", L"d.m3u", L"B.txt", L"a.mp3", L"b", L"A"}},
        {3, {0, 0, 0, 1}, {L"b", L"A", L"c.mp3", L"d.m3u", L"a.mp3", L"B.txt"}},
        {3, {0, 0, 0, -1}, {L"B.txt", L"a.mp3", L"d.m3u", L"c.mp3", L"A", L"b"}},
        {0, {1, 0, 0, 0}, {L"A", L"b", L"a.mp3", L"B.txt", L"c.mp3", L"d.m3u"}},
        {0, {-1, 0, 0, 0}, {L"d.m3u", L"c.mp3", L"B.txt", L"a.mp3", L"b", L"A"}},
        {2, {0, 0, 1, 0}, byType},
        {2, {0, 0, -1, 0}, {byType.rbegin(), byType.rend()}},
    };
    for (const auto& c : cases) {
        browser.Select(browser.Find(L"c.mp3"));
        browser.ClickHeader(c.column);
        EXPECT_EQ(browser.Arrows(), c.arrows) << c.column;
        EXPECT_EQ(browser.Names(), c.names) << c.column;
        EXPECT_EQ(browser.Selected(), browser.Find(L"c.mp3")) << c.column;
    }
    browser.ClickHeader(1);
    window.Click(IDC_REFRESH);
    EXPECT_EQ(browser.Names(), cases[0].names);
    browser.Notify(NM_DBLCLK, browser.Find(L"b"));
    EXPECT_EQ(browser.Names(), (std::vector<CString>{L"y.mp3", L"x.mp3"}));
    EXPECT_EQ(browser.Arrows(), cases[0].arrows);
}

// A header click keeps the selected items selected, the focused one focused and in view, and the
// selection mark on its item, wherever the new order moves them, whatever the shape of the selection.
TEST(ShellBrowserWindow, AHeaderClickKeepsTheSelectionTheFocusAndTheMark)
{
    constexpr int kSongs = 301;  // an odd count: every second row is more than half
    const TempFolder folder(L"browser", DesktopFolder());
    // Sizes in a scattered order (7919 is prime to the count), so that the order by size scatters every
    // selection made in the order by name.
    for (int i = 0; i < kSongs; ++i) {
        const CString number = std::to_wstring(1000 + i).substr(1);
        folder.WriteTwin(L"song " + number + L".mp3", std::string(static_cast<size_t>(i) * 7919 % kSongs, 'x'));
    }
    DialogRunner window;
    const BrowserDriver browser(window);
    OpenFromDesktop(browser, folder);
    const std::vector<CString> byName = browser.Names();
    ASSERT_EQ(byName.size(), static_cast<size_t>(kSongs));
    const auto scattered = [](int i, int share) { return (i * 7 + i / 5 * 13) % 17 < share; };
    const struct { const char* what; std::function<bool(int)> selected; int focused; int mark; } cases[] = {
        {"none", [](int) { return false; }, 150, 150},
        {"one", [](int i) { return i == 123; }, 123, 123},
        {"all", [](int) { return true; }, kSongs - 1, kSongs - 1},
        {"every second", [](int i) { return i % 2 == 0; }, 7, 8},
        {"every second and one more", [](int i) { return i % 2 == 0 || i == 1; }, 1, 300},
        {"a scattered half", [&](int i) { return scattered(i, 8); }, 40, 41},
        {"two of every three", [](int i) { return i % 3 != 2; }, 299, 3},
        {"pairs", [](int i) { return i % 4 < 2; }, 0, 0},
        {"all but every tenth", [](int i) { return i % 10 != 0; }, 10, 200},
        {"a run", [](int i) { return i >= 75 && i < 225; }, 224, 75},
        {"a scattered tenth", [&](int i) { return scattered(i, 2); }, 150, 10},
        {"all but a run", [](int i) { return i < 20 || i >= 50; }, 0, 30},
    };
    for (const auto& c : cases) {
        std::vector<int> rows;
        std::set<CString> selected;
        for (int i = 0; i < kSongs; ++i) {
            if (!c.selected(i)) continue;
            rows.push_back(i);
            selected.insert(byName[static_cast<size_t>(i)]);
        }
        browser.SelectOnly(rows, c.focused, c.mark);
        for (const int column : {1, 1, 0}) {  // by size, reversed, by name again
            browser.ClickHeader(column);
            EXPECT_EQ(browser.SelectedNames(), selected) << c.what << column;
            const int focused = browser.Next(-1, LVNI_FOCUSED);
            EXPECT_EQ(browser.Name(focused), byName[static_cast<size_t>(c.focused)]) << c.what << column;
            const auto mark = static_cast<int>(window.SendTo(IDC_SHELL_LIST, LVM_GETSELECTIONMARK));
            EXPECT_EQ(browser.Name(mark), byName[static_cast<size_t>(c.mark)]) << c.what << column;
            EXPECT_TRUE(browser.IsInView(focused)) << c.what << column;
        }
        EXPECT_EQ(browser.Name(kSongs - 1), byName.back()) << c.what;
    }
}

// Opening a folder row whose folder is gone (deleted, deleted with the folder on show, or replaced by
// a file), by double-click or by Enter, shows the nearest folder above it that can be listed, listed
// afresh, and writes no line.
TEST(ShellBrowserWindow, OpeningAFolderThatIsGoneShowsTheNearestFolderAboveAfresh)
{
    const TempFolder folder(L"browser", DesktopFolder());
    DialogRunner window;
    const BrowserDriver browser(window);
    OpenFromDesktop(browser, folder);
    const struct { const wchar_t* shown; const wchar_t* broken; bool file; std::vector<CString> after; } cases[] = {
        {L"", L"Album", false, {L"new.mp3"}},
        {L"Outer", L"Outer", false, {L"new.mp3"}},
        {L"", L"Album", true, {L"Album", L"new.mp3"}},
    };
    for (const auto& c : cases) {
        for (const bool enter : {false, true}) {
            const CString shown = *c.shown ? CString(c.shown) + L"\\" : CString();
            folder.Write(shown + L"Album\\track.mp3");
            window.Click(IDC_REFRESH);
            if (*c.shown) browser.Notify(NM_DBLCLK, browser.Find(c.shown));
            ASSERT_EQ(browser.Names(), std::vector<CString>{L"Album"}) << c.broken << enter;
            folder.Write(L"new.mp3");  // seen only in a new listing
            std::filesystem::remove_all(folder.Path() + c.broken);
            if (c.file) folder.Write(c.broken);
            const size_t lines = window.InfoLines().size();
            if (enter) browser.Enter(browser.Find(L"Album"));
            else browser.Notify(NM_DBLCLK, browser.Find(L"Album"));
            EXPECT_EQ(browser.Names(), c.after) << c.broken << c.file << enter;
            EXPECT_EQ(window.InfoLines().size(), lines) << c.broken << c.file << enter;
            for (const wchar_t* name : {L"Album", L"Outer", L"new.mp3"}) std::filesystem::remove_all(folder.Path() + name);
        }
    }
}

// Opening a folder row whose folder is there but cannot be listed (held by another program), by
// double-click or by Enter, opens nothing: the rows, the selection, the focus and the scrolling stay as
// they were, and no line is written.
TEST(ShellBrowserWindow, OpeningAFolderThatIsHeldKeepsTheView)
{
    const TempFolder folder(L"browser", DesktopFolder());
    for (int i = 0; i < 80; ++i) folder.Write(L"Album " + std::to_wstring(10 + i) + L"\\track.mp3");
    DialogRunner window;
    const BrowserDriver browser(window);
    OpenFromDesktop(browser, folder);
    const std::vector<CString> before = browser.Names();
    ASSERT_EQ(before.size(), 80u);
    const int held = browser.Find(L"Album 70");
    window.SendTo(IDC_SHELL_LIST, LVM_ENSUREVISIBLE, static_cast<WPARAM>(held), FALSE);
    const LRESULT top = window.SendTo(IDC_SHELL_LIST, LVM_GETTOPINDEX);
    ASSERT_GT(top, 0);
    folder.Write(L"new.mp3");  // would show in a new listing
    for (const bool enter : {false, true}) {
        const size_t lines = window.InfoLines().size();
        {
            const unique_handle hold = TempFolder::Lock(folder.Path() + L"Album 70");
            if (enter) {
                browser.Enter(held);
            } else {
                browser.Select(held);
                browser.Notify(NM_DBLCLK, held);
            }
        }
        EXPECT_EQ(browser.Names(), before) << enter;
        EXPECT_EQ(browser.SelectedNames(), std::set<CString>{L"Album 70"}) << enter;
        EXPECT_EQ(browser.Next(-1, LVNI_FOCUSED), held) << enter;
        EXPECT_EQ(window.SendTo(IDC_SHELL_LIST, LVM_GETTOPINDEX), top) << enter;
        EXPECT_EQ(window.InfoLines().size(), lines) << enter;
    }
}
