#pragma once
#include <windows.h>

// The application: sets up the process for the window and runs it until it is closed.
class CTallowmereApp {
public:
    BOOL InitInstance();
};

extern CTallowmereApp theApp;
