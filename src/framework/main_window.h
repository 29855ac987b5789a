#pragma once
#include <windows.h>

// The main window once it has been shown (owner of the clipboard and of the counted boxes); null before.
extern HWND g_MainWindow;
