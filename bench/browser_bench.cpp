#include "browser_bench.h"

#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <iterator>
#include <memory>
#include <type_traits>

#include "child_process.h"
#include "console_output.h"
#include "framework/com.h"
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
    // None (0), every row (1, as Ctrl+A selects them) or every second one from the first (2).
    void Select(int step) const
    {
        ListView_SetItemState(list_, -1, 0, LVIS_SELECTED);
        if (step == 1) ListView_SetItemState(list_, -1, LVIS_SELECTED, LVIS_SELECTED);
        for (int position = 0; step > 1 && position < Rows(); position += step) {
            ListView_SetItemState(list_, position, LVIS_SELECTED, LVIS_SELECTED);
        }
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
    bool whole = true;  // every run showed every song
    const auto check = [&](bool shown) { whole = whole && shown && window.Rows() == collection.songFiles; };
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
    // (from another column, and from the reversed order by name alike); the selection, made once before,
    // must stay through every click.
    const auto click = [&](BrowserColumn column, int selectStep) {
        window.Select(selectStep);
        const int32_t selected = window.Selected();
        const Timing timing = TimeInTurns(
            runs,
            [&] {
                browser.SortByColumn(static_cast<int>(column));
                check(true);
            },
            floor, [&] { browser.SortByColumn(static_cast<int>(BrowserColumn::Name)); });
        whole = whole && window.Selected() == selected;
        window.Select(0);
        return timing;
    };
    const Timing bySize = click(BrowserColumn::Size, 0), byDate = click(BrowserColumn::Modified, 0);
    const Timing allBySize = click(BrowserColumn::Size, 1), halfByName = click(BrowserColumn::Name, 2);
    if (!whole) {
        PrintLine(stderr, L"browser: the song folder was not listed whole, or a click lost the selection");
        return false;
    }
    wchar_t row[240];
    std::swprintf(row, std::size(row),
                  L"browser  files %d  open %.0f ms (floor %.0f ms, ratio %.2f)  refresh %.0f ms (floor %.0f ms, ratio %.2f)",
                  static_cast<int>(collection.songFiles), open.commandMs, open.floorMs, open.commandMs / open.floorMs,
                  refresh.commandMs, refresh.floorMs, refresh.commandMs / refresh.floorMs);
    PrintLine(stdout, row);
    std::swprintf(row, std::size(row),
                  L"browser  header click by size %.0f ms (floor %.0f ms, ratio %.2f)  by date %.0f ms (floor %.0f ms, ratio %.2f)",
                  bySize.commandMs, bySize.floorMs, bySize.commandMs / bySize.floorMs, byDate.commandMs, byDate.floorMs,
                  byDate.commandMs / byDate.floorMs);
    PrintLine(stdout, row);
    const struct { const wchar_t* what; const Timing& timing; } selectedClicks[] = {
        {L"by size with every row selected", allBySize}, {L"by name with every second row selected", halfByName}};
    for (const auto& [what, timing] : selectedClicks) {
        std::swprintf(row, std::size(row), L"browser  header click %ls %.0f ms (floor %.0f ms, ratio %.2f)", what,
                      timing.commandMs, timing.floorMs, timing.commandMs / timing.floorMs);
        PrintLine(stdout, row);
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
