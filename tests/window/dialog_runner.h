#pragma once
// Runs the real main window on a thread of its own, in a fresh temporary working folder, so a test
// can drive it with window messages and read it back.
#include <windows.h>

#include <thread>

#include "framework/strings.h"

class DialogRunner {
public:
    DialogRunner();   // returns once the first paint has set the window up
    ~DialogRunner();  // closes the window if the test has not, and removes the folder

    HWND Window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    const CString& WorkFolder() const { return folder_; }
    // Waits until the window's thread has ended (after it was closed).
    bool WaitClosed(DWORD milliseconds);

    void Click(int id) const;
    void SelectCommandLine(int line) const;
    CString Text(int id) const;
    int InfoLineCount() const;
    CString InfoLine(int index) const;
    CString ComboLine(int index) const;
    bool IsChecked(int id) const;

private:
    CString folder_;
    HWND window_ = nullptr;
    std::thread thread_;
};
