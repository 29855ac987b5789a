#pragma once
// Runs the real main window on a thread of its own, in a fresh temporary working folder, so a test
// can drive it with window messages and read it back.
#include <windows.h>

#include <memory>
#include <thread>

#include "framework/strings.h"
#include "support/temp_folder.h"

class DialogRunner {
public:
    // Starts the window in a new temporary folder of its own, or in the given working folder (the
    // program keeps its settings there, so a second window in the same folder is a restart).
    // Returns once the first paint has set the window up.
    DialogRunner();
    explicit DialogRunner(const CString& workFolder);
    ~DialogRunner();  // closes the window if the test has not

    HWND Window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    const CString& WorkFolder() const { return folder_; }  // without a final "\", as the program sees it
    // Waits until the window's thread has ended (after it was closed).
    bool WaitClosed(DWORD milliseconds);

    void Click(int id) const;
    void SetText(int id, const CString& text) const;
    void SelectCommandLine(int line) const;
    CString Text(int id) const;
    int InfoLineCount() const;
    CString InfoLine(int index) const;
    CString ComboLine(int index) const;
    bool IsChecked(int id) const;

private:
    std::unique_ptr<TempFolder> ownFolder_;
    CString folder_;
    HWND window_ = nullptr;
    std::thread thread_;
};
