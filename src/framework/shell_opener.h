#pragma once
// Every file and folder that the program opens with the shell goes through this function, so that a
// test can see what would be opened and launches nothing.
#include <windows.h>

#include <functional>

#include "framework/strings.h"

// ShellExecuteW with no owner, the default verb, no working folder and SW_SHOWNORMAL: the file opened
// with its default program, or the program run with the parameters. Above 32 on success; after a
// failure the thread's last error tells why.
INT_PTR OpenWithShell(const CString& file, const CString& parameters = CString());

// Tests open through this function instead of the shell; an empty one restores the shell.
using ShellOpener = std::function<INT_PTR(const CString& file, const CString& parameters)>;
void SetShellOpener(ShellOpener opener);
