#pragma once
// Every message box of the program goes through these two functions, so a test can answer them.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "framework/strings.h"

// Counts the counted boxes of the whole run; only the first five are shown.
extern int32_t g_MessageBoxCount;

// A box without owner window, so the main window stays usable behind it; returns the button pressed.
[[nodiscard]] int32_t ShowMessageBox(const CString& text, const CString& caption, UINT type);
// An OK box owned by the main window, captioned with the program's name, shown while the count is 5 or less.
void ShowLimitedMessageBox(const CString& text);

// Tests answer every box through this function instead of showing it; an empty one restores real boxes.
using MessageBoxAnswerer = std::function<int32_t(const CString& text, const CString& caption, UINT type)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

// Told with true just before every box (answered or shown) and with false once it is gone, so that the
// window can bring what it holds back on screen before the user reads the box; empty for none.
using MessageBoxWatcher = std::function<void(bool showing)>;
void SetMessageBoxWatcher(MessageBoxWatcher watcher);
