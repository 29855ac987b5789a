#include "framework/main_window.h"

HWND g_MainWindow = nullptr;
