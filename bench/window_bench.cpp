#include "window_bench.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cwchar>
#include <limits>
#include <thread>

#include "commands/executor.h"
#include "bench_folders.h"
#include "console_host.h"
#include "console_output.h"
#include "dialog/tallowmere_dlg.h"
#include "framework/com.h"
#include "framework/main_window.h"
#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "res/resource_ids.h"
#include "texts/command_lines.h"
#include "timing.h"

namespace {

void RemoveBenchFolder(const CString& folder)
{
    CString from = folder.substr(0, folder.size() - 1);
    from.push_back(L'\0');  // the list of paths ends in an empty one
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

// The program's window on a thread of its own, with the folder as its working folder, driven with
// window messages as a user drives it.
class BenchWindow {
public:
    explicit BenchWindow(const CString& folder)
    {
        SetCurrentDirectoryW(folder.c_str());
        g_MainWindow = nullptr;
        thread_ = std::thread([] {
            const ComApartment com;
            CTallowmereDlg dialog;
            dialog.DoModal();
        });
        for (int i = 0; i < 2000 && !g_MainWindow; ++i) Sleep(10);
        window_ = g_MainWindow;
    }
    ~BenchWindow()
    {
        if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
        thread_.join();
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        SetCurrentDirectoryW(temp);
    }
    BenchWindow(const BenchWindow&) = delete;
    BenchWindow& operator=(const BenchWindow&) = delete;

    bool IsShown() const { return window_ != nullptr; }
    void SelectCommand(int command, const CString& source) const
    {
        SendMessageW(Item(IDC_COMMAND_COMBO), CB_SETCURSEL, static_cast<WPARAM>(CommandLine(command)), 0);
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(IDC_COMMAND_COMBO, CBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_COMMAND_COMBO)));
        SetWindowTextW(Item(IDC_SOURCE_EDIT), source.c_str());
    }
    void Click(int id) const { SendMessageW(Item(id), BM_CLICK, 0, 0); }
    // What the Execute button tells the dialog when it is clicked (its own drawing as it is pressed
    // is no part of the run); returns once the run is over.
    void Execute() const
    {
        SendMessageW(window_, WM_COMMAND, MAKEWPARAM(IDC_EXECUTE, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDC_EXECUTE)));
    }
    int InfoLineCount() const { return static_cast<int>(SendMessageW(Item(IDC_INFO_LIST), LB_GETCOUNT, 0, 0)); }

private:
    HWND Item(int id) const { return GetDlgItem(window_, id); }
    HWND window_ = nullptr;
    std::thread thread_;
};

bool WriteMissingPlaylist(const CString& playlist, const CString& songFolder, int32_t entries)
{
    CString text;
    for (int32_t i = 1; i <= entries; ++i) text += songFolder + L"Missing Song " + Int64ToString(i) + L".mp3\n";
    return WriteTextFile(playlist, text) == 0;
}

bool Measure(const CString& folder, int32_t missingEntries, int runs)
{
    const CString playlist = folder + L"Missing.m3u";
    if (!CreateDirectoryW((folder + L"Songs").c_str(), nullptr) ||
        !WriteMissingPlaylist(playlist, folder + L"Songs\\", missingEntries)) {
        PrintLine(stderr, L"cannot write the playlist in " + folder);
        return false;
    }
    const BenchWindow window(folder);
    if (!window.IsShown()) {
        PrintLine(stderr, L"the window cannot be shown (no display?)");
        return false;
    }
    window.SelectCommand(9, playlist);
    ConsoleHost console;
    Timing timing{std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    int windowLines = 0;
    for (int run = 0; run < runs; ++run) {
        window.Click(IDC_CLEAR_INFO);  // each run starts on an empty list, as the user may start it
        const Timing once = TimeInTurns(
            1, [&] { window.Execute(); },
            [&] {
                console.Prepare(CommandLine(9), playlist);
                ExecuteCommand(console, false);
            });
        timing.commandMs = std::min(timing.commandMs, once.commandMs);
        timing.floorMs = std::min(timing.floorMs, once.floorMs);
        windowLines = window.InfoLineCount();
    }
    wchar_t row[200];
    std::swprintf(row, std::size(row),
                  L"cmd 9  missing %d  window %.0f ms (%d lines)  console %.0f ms (%d lines)  ratio %.2f",
                  missingEntries, timing.commandMs, windowLines, timing.floorMs,
                  static_cast<int>(console.Lines().size()), timing.commandMs / timing.floorMs);
    PrintLine(stdout, row);
    return true;
}

}  // namespace

bool RunWindowBench(int32_t missingEntries, int runs)
{
    const CString folder = NewBenchFolder(L"tallowmere_window_bench_");
    if (folder.empty()) {
        PrintLine(stderr, L"cannot create a folder for the window bench");
        return false;
    }
    const bool measured = Measure(folder, missingEntries, runs);
    RemoveBenchFolder(folder);
    return measured;
}
