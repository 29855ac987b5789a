#pragma once
// The settings file: language, window position, the three pools and the exclude list, read once at
// set-up and written when the window closes.
#include <windows.h>

#include <functional>

#include "framework/strings.h"

// Sets the settings globals from the file and reports each value read through addInfoLine. It runs
// before any current text table is filled, so its own messages come from the English tables.
void ReadSettingsFile(const CString& path, const std::function<void(const CString&)>& addInfoLine);

// Writes the six settings lines with windowRect's left and top as the start position; failures are
// silent and leave an existing file as it was.
void WriteSettingsFile(const CString& path, const RECT& windowRect);

// The window's normal (restored) rectangle in screen coordinates, also while it is minimised or maximised.
RECT NormalWindowRect(HWND window);
