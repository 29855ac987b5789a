#include "browser_bench.h"

#include <windows.h>
#include <commctrl.h>

#include <cwchar>
#include <iterator>
#include <memory>
#include <type_traits>

#include "console_output.h"
#include "framework/shell_browser.h"
#include "helpers/folder_scan.h"
#include "timing.h"

namespace {

constexpr int kListId = 1;

// An owner for the window that holds the list, so it goes on every path.
struct WindowDestroyer {
    void operator()(HWND window) const { DestroyWindow(window); }
};
using unique_window = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDestroyer>;

}  // namespace

bool RunBrowserBench(const Collection& collection, int runs)
{
    const INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    // Hidden: the browser fills the list whether or not it is shown.
    const unique_window owner(CreateWindowW(L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 700, 300, nullptr, nullptr,
                                            nullptr, nullptr));
    const HWND list = owner ? CreateWindowW(WC_LISTVIEWW, L"", WS_CHILD | LVS_REPORT | LVS_SHAREIMAGELISTS, 0, 0,
                                            680, 250, owner.get(), reinterpret_cast<HMENU>(kListId), nullptr, nullptr)
                            : nullptr;
    if (!list) {
        PrintLine(stderr, L"browser: no window can be made (is there a display?)");
        return false;
    }
    ShellBrowser browser;
    browser.Attach(owner.get(), kListId);
    const CString folder = collection.songFolder.substr(0, collection.songFolder.size() - 1);
    bool shown = true;
    const Timing timing = TimeInTurns(
        runs, [&] { shown = shown && browser.DisplayFolder(folder); },
        [&] {
            FolderRecord record;
            record.path = collection.songFolder;
            (void)ScanFolder(record);  // the floor: the listing alone
        });
    const auto items = static_cast<int32_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    if (!shown || items != collection.songFiles) {
        PrintLine(stderr, L"browser: the song folder was not listed whole");
        return false;
    }
    wchar_t row[200];
    std::swprintf(row, std::size(row), L"browser  files %d  time %.0f ms  floor %.0f ms  ratio %.2f", items,
                  timing.commandMs, timing.floorMs, timing.commandMs / timing.floorMs);
    PrintLine(stdout, row);
    return true;
}
