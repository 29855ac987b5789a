#pragma once
// Every file and folder that the program opens with the shell goes through these functions, so that a
// test can see what would be opened and launches nothing.
#include <windows.h>
#include <shlobj.h>

#include <functional>

#include "framework/strings.h"

// ShellExecuteW with no owner, the default verb, no working folder and SW_SHOWNORMAL: the file opened
// with its default program, or the program run with the parameters. Above 32 on success; after a
// failure the thread's last error tells why.
INT_PTR OpenWithShell(const CString& file, const CString& parameters = CString());

// The item's default command, as the shell runs it on a double-click in its own views: a song opens in
// its player, a shortcut opens its target, a program starts. The item is the shell's (item) or, where
// that is null, a file-system path; what goes wrong the shell reports itself, over the owner window.
void RunDefaultCommand(HWND owner, PCIDLIST_ABSOLUTE item, const CString& path);

// Tests open through this function instead of the shell (a default command gives it the item's path);
// an empty one restores the shell.
using ShellOpener = std::function<INT_PTR(const CString& file, const CString& parameters)>;
void SetShellOpener(ShellOpener opener);
