#include "browser_bench.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <functional>
#include <iterator>
#include <memory>
#include <numeric>
#include <random>
#include <string>
#include <type_traits>
#include <vector>

#include "child_process.h"
#include "console_output.h"
#include "framework/com.h"
#include "framework/handles.h"
#include "framework/list_selection.h"
#include "framework/shell_browser.h"
#include "helpers/folder_scan.h"
#include "process_memory.h"
#include "timing.h"

namespace {

constexpr int kListId = 1;

// An owner for the window that holds the list, so it goes on every path.
struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using unique_window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

// The browser in a hidden window: it fills its list whether or not the list is shown.
class BrowserWindow {
public:
    BrowserWindow()
    {
        const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
        InitCommonControlsEx(&controls);
        owner_.reset(CreateWindowW(L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 700, 300, nullptr, nullptr, nullptr,
                                   nullptr));
        const DWORD style = WS_CHILD | LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_OWNERDATA;
        list_ = owner_ ? CreateWindowW(WC_LISTVIEWW, L"", style, 0, 0, 680, 250, owner_.get(),
                                       reinterpret_cast<HMENU>(kListId), nullptr, nullptr)
                       : nullptr;
        if (list_) browser_.Attach(owner_.get(), kListId);
        else PrintLine(stderr, L"browser: no window can be made (is there a display?)");
    }
    bool IsShown() const { return list_ != nullptr; }
    ShellBrowser& Browser() { return browser_; }
    int32_t Rows() const { return static_cast<int32_t>(SendMessageW(list_, LVM_GETITEMCOUNT, 0, 0)); }
    int32_t Selected() const { return static_cast<int32_t>(SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0)); }
    // Exactly the positions flagged, none when there are no flags.
    void Select(const std::vector<bool>& positions) const
    {
        ListView_SetItemState(list_, -1, 0, LVIS_SELECTED);
        SelectPositions(list_, positions);
    }

private:
    unique_window owner_;
    HWND list_ = nullptr;
    ShellBrowser browser_;
};

CString WithoutFinalBackslash(const CString& folder)
{
    return folder.substr(0, folder.size() - 1);
}

// A selection made in the order by name, as a flag per position.
struct SelectionShape {
    const wchar_t* what;
    bool oneSongFewer;  // an odd count of rows, with every second one selected more than half
    std::function<bool(size_t position, size_t rows, std::minstd_rand& random)> selected;
};

const SelectionShape kSelectionShapes[] = {
    {L"every second row", false, [](size_t p, size_t, std::minstd_rand&) { return p % 2 == 0; }},
    {L"every second row", true, [](size_t p, size_t, std::minstd_rand&) { return p % 2 == 0; }},
    {L"every second row and one more", false, [](size_t p, size_t, std::minstd_rand&) { return p % 2 == 0 || p == 1; }},
    {L"a random half", false, [](size_t, size_t, std::minstd_rand& random) { return random() % 2 == 0; }},
    {L"two of every three rows", false, [](size_t p, size_t, std::minstd_rand&) { return p % 3 != 2; }},
    {L"pairs of rows", false, [](size_t p, size_t, std::minstd_rand&) { return p % 4 < 2; }},
    {L"all but every tenth row", false, [](size_t p, size_t, std::minstd_rand&) { return p % 10 != 9; }},
    {L"one run of half the rows", false,
     [](size_t p, size_t rows, std::minstd_rand&) { return p >= rows / 4 && p < rows / 4 + rows / 2; }},
    {L"a random tenth", false, [](size_t, size_t, std::minstd_rand& random) { return random() % 10 == 0; }},
    {L"every row", false, [](size_t, size_t, std::minstd_rand&) { return true; }},
};

std::vector<bool> ShapeFlags(const SelectionShape& shape, size_t rows)
{
    std::minstd_rand random(20261207);
    std::vector<bool> flags(rows);
    for (size_t position = 0; position < rows; ++position) flags[position] = shape.selected(position, rows, random);
    return flags;
}

// Gives the songs, in the order shown, sizes in a random order, so that a click on Size scatters a
// selection made in the order by name; or gives them back their size of 0. The files are made longer
// without a byte written, which costs no room on disk.
bool SetSongSizes(ShellBrowser& browser, int32_t rows, bool scattered)
{
    std::vector<int64_t> sizes(static_cast<size_t>(rows));
    if (scattered) {
        std::iota(sizes.begin(), sizes.end(), 0);
        std::shuffle(sizes.begin(), sizes.end(), std::minstd_rand(7919));
    }
    for (int32_t position = 0; position < rows; ++position) {
        const CString path = browser.GetItemPath(position);
        const unique_handle file = OwnHandle(
            CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        LARGE_INTEGER size = {};
        size.QuadPart = sizes[static_cast<size_t>(position)];
        if (!file || !SetFilePointerEx(file.get(), size, nullptr, FILE_BEGIN) || !SetEndOfFile(file.get())) {
            PrintLine(stderr, L"browser: cannot set the size of " + path);
            return false;
        }
    }
    browser.Refresh();
    return true;
}

CString RatioText(const wchar_t* what, const Timing& timing)
{
    wchar_t text[120];
    std::swprintf(text, std::size(text), L"%ls %.0f ms (floor %.0f ms, ratio %.2f)", what, timing.commandMs,
                  timing.floorMs, timing.commandMs / timing.floorMs);
    return text;
}

}  // namespace

bool RunBrowserBench(const Collection& collection, int runs)
{
    BrowserWindow window;
    if (!window.IsShown()) return false;
    ShellBrowser& browser = window.Browser();
    const CString songs = WithoutFinalBackslash(collection.songFolder);
    const auto floor = [&] {
        FolderRecord record;
        record.path = collection.songFolder;
        (void)ScanFolder(record);  // the bare listing
    };
    bool whole = true;  // every run showed every song, and every click kept the selection
    int32_t songRows = collection.songFiles;
    const auto check = [&](bool shown) { whole = whole && shown && window.Rows() == songRows; };
    // Opening comes from the collection's own folder, as a user opens the song folder from there.
    const Timing open = TimeInTurns(
        runs, [&] { check(browser.DisplayFolder(songs)); }, floor,
        [&] { browser.DisplayFolder(WithoutFinalBackslash(collection.root)); });
    check(browser.DisplayFolder(songs));
    const Timing refresh = TimeInTurns(
        runs,
        [&] {
            browser.Refresh();
            check(true);
        },
        floor);
    // A header click from the order by name, which one untimed click on Name puts back after each turn
    // (from another column, and from the reversed order by name alike; from the order by name a click on
    // Name reverses it); the selection, made once before, must stay through every click.
    const auto click = [&](BrowserColumn column, const std::vector<bool>& selection) {
        window.Select(selection);
        const int32_t selected = window.Selected();
        const Timing timing = TimeInTurns(
            runs,
            [&] {
                browser.SortByColumn(static_cast<int>(column));
                check(true);
            },
            floor,
            [&] {
                whole = whole && window.Selected() == selected;
                browser.SortByColumn(static_cast<int>(BrowserColumn::Name));
            });
        whole = whole && window.Selected() == selected;
        window.Select({});
        return timing;
    };
    if (!SetSongSizes(browser, songRows, true)) return false;
    const Timing bySize = click(BrowserColumn::Size, {}), byDate = click(BrowserColumn::Modified, {});
    PrintLine(stdout, L"browser  files " + std::to_wstring(collection.songFiles) + L"  " + RatioText(L"open", open) +
                          L"  " + RatioText(L"refresh", refresh));
    PrintLine(stdout,
              L"browser  header click " + RatioText(L"by size", bySize) + L"  " + RatioText(L"by date", byDate));
    // One song is moved aside for an odd count of rows. A click on Name reverses the order, so the shape
    // stays; a click on Size scatters it.
    const CString aside = collection.scratchFolder + L"aside.mp3";
    const auto moveAndRefresh = [&](const CString& from, const CString& to, int32_t rowsAfter) {
        const bool moved = MoveFileW(from.c_str(), to.c_str());
        whole = whole && moved;
        songRows = rowsAfter;
        browser.Refresh();
    };
    for (const SelectionShape& shape : kSelectionShapes) {
        const CString song = shape.oneSongFewer ? browser.GetItemPath(songRows - 1) : CString();
        if (!song.empty()) moveAndRefresh(song, aside, songRows - 1);
        const std::vector<bool> selection = ShapeFlags(shape, static_cast<size_t>(songRows));
        const Timing reversed = click(BrowserColumn::Name, selection);
        const Timing scattered = click(BrowserColumn::Size, selection);
        const auto selected = static_cast<int>(std::count(selection.begin(), selection.end(), true));
        wchar_t row[120];
        std::swprintf(row, std::size(row), L"browser  header click with %ls selected (%d of %d):  ", shape.what,
                      selected, static_cast<int>(songRows));
        PrintLine(stdout, row + RatioText(L"reversed", reversed) + L"  " + RatioText(L"by size", scattered));
        if (!song.empty()) moveAndRefresh(aside, song, collection.songFiles);
    }
    whole = SetSongSizes(browser, songRows, false) && whole;
    if (!whole) {
        PrintLine(stderr, L"browser: the song folder was not listed whole, or a click lost the selection");
        return false;
    }
    // An empty folder of the collection's: the view before the songs.
    const CString empty = collection.scratchFolder + L"empty";
    CreateDirectoryW(empty.c_str(), nullptr);
    const bool measured = RunThisProgram(CString(kBrowserMemoryChildFlag) + L" \"" + empty + L"\" \"" + songs + L"\"");
    RemoveDirectoryW(empty.c_str());
    return measured;
}

int RunBrowserMemoryChild(const CString& emptyFolder, const CString& songFolder)
{
    const ComApartment com;
    BrowserWindow window;
    if (FAILED(com.Result()) || !window.IsShown() || !window.Browser().DisplayFolder(emptyFolder)) return 1;
    const ProcessMemory before = CurrentMemory();
    if (!window.Browser().DisplayFolder(songFolder)) return 1;
    const ProcessMemory after = CurrentMemory();
    wchar_t row[200];
    std::swprintf(row, std::size(row),
                  L"browser  memory for %d rows: working set %.1f MB above the empty view (peak %.1f MB above)",
                  static_cast<int>(window.Rows()), Megabytes(after.workingSet - before.workingSet),
                  Megabytes(after.peakWorkingSet - before.workingSet));
    PrintLine(stdout, row);
    return 0;
}
