#pragma once
// Runs the real main window on a thread of its own, in a fresh temporary working folder, so a test
// can drive it with window messages and read it back.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <optional>
#include <thread>
#include <vector>

#include "dialog/tallowmere_dlg.h"
#include "framework/com.h"
#include "framework/main_window.h"
#include "framework/message_boxes.h"
#include "res/resource_ids.h"
#include "state/globals.h"
#include "support/saved_globals.h"
#include "support/temp_folder.h"

class DialogRunner {
public:
    // Starts the window as a new process would, in a new temporary folder of its own or in the given
    // working folder (the program keeps its settings there, so a second window in the same folder is a
    // restart). Returns once the first paint has set the window up: it sets the main window handle last.
    explicit DialogRunner(const CString& workFolder = CString())
    {
        folder_ = workFolder.empty() ? ownFolder_.emplace(L"window").Path() : workFolder;
        if (folder_.back() == L'\\') folder_.pop_back();
        SetCurrentDirectoryW(folder_.c_str());
        g_Language = L"English";
        g_Mp3Pool = g_DuplicatePool = g_UnusedPool = CString();
        g_StartPosX = g_StartPosY = g_MessageBoxCount = g_StopEntries = 0;
        g_MainWindow = nullptr;
        thread_ = std::thread([this] {
            const ComApartment com;
            CTallowmereDlg dialog;
            dialog_ = &dialog;
            dialog.DoModal();
        });
        for (int i = 0; i < 1000 && !g_MainWindow; ++i) Sleep(10);
        window_ = g_MainWindow;
    }
    ~DialogRunner()
    {
        if (thread_.joinable()) {
            if (IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
            thread_.join();
        }
        // The folder can only be removed once it is no longer the current one.
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        SetCurrentDirectoryW(temp);
    }

    HWND Window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    const CString& WorkFolder() const { return folder_; }  // without a final "\", as the program sees it
    // Whether the window's thread ends (after it was closed) within the time.
    bool WaitClosed(DWORD milliseconds)
    {
        for (DWORD waited = 0; IsWindow(window_) && waited < milliseconds; waited += 10) Sleep(10);
        if (IsWindow(window_)) return false;
        thread_.join();
        return true;
    }
    // Timer messages come after every input message: at a tick of the window's timer it has handled
    // what the last cursor move set off, and the next tick is 500 ms away.
    void WaitForTick() const
    {
        const int32_t ticks = dialog_.load()->TimerTicks();
        for (int i = 0; i < 200 && dialog_.load()->TimerTicks() == ticks; ++i) {
            Sleep(5);
            Send(WM_NULL);
        }
        ASSERT_NE(dialog_.load()->TimerTicks(), ticks);
    }

    LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return SendMessageW(window_, msg, w, l); }
    LRESULT SendTo(int id, UINT msg, WPARAM w = 0, LPARAM l = 0) const { return SendMessageW(Control(id), msg, w, l); }
    void Click(int id) const { SendTo(id, BM_CLICK); }
    bool IsChecked(int id) const { return SendTo(id, BM_GETCHECK) == BST_CHECKED; }
    void SetText(int id, const CString& text) const { SetWindowTextW(Control(id), text.c_str()); }
    CString Text(int id) const { return ::Control(Control(id)).Text(); }
    void SelectCommandLine(int line) const
    {
        SendTo(IDC_COMMAND_COMBO, CB_SETCURSEL, static_cast<WPARAM>(line));
        Send(WM_COMMAND, MAKEWPARAM(IDC_COMMAND_COMBO, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(IDC_COMMAND_COMBO)));
    }
    std::vector<CString> InfoLines() const
    {
        ListBox list;
        list.Attach(window_, IDC_INFO_LIST);
        std::vector<CString> lines;
        for (int i = 0; i < list.Count(); ++i) lines.push_back(list.ItemText(i));
        return lines;
    }

private:
    const SavedGlobals globals_;  // first made, so put back after the window has gone
    std::optional<TempFolder> ownFolder_;
    CString folder_;
    std::atomic<CTallowmereDlg*> dialog_ = nullptr;
    HWND window_ = nullptr;
    std::thread thread_;
};

// Answers every box through `answer`, for the length of a test.
struct Answerer {
    explicit Answerer(MessageBoxAnswerer answer) { SetMessageBoxAnswerer(std::move(answer)); }
    ~Answerer() { SetMessageBoxAnswerer(nullptr); }
};
