#pragma once
// Documentation links for Windows error codes and the texts for a failed ShellExecuteW.
#include <windows.h>

#include <cstdint>

#include "framework/strings.h"

// The documentation page for the range that holds the code; empty from 16000 on.
CString WindowsErrorLink(uint32_t code);
// Reads the thread's last error before anything can change it, puts its link on the clipboard
// (an empty text when there is none) and returns it. The last error is left as it was read.
[[nodiscard]] uint32_t WindowsErrorHelp();
// The code says that the name is taken: the platform reports that with either of two codes.
constexpr bool IsNameTakenError(int64_t code)
{
    return code == ERROR_FILE_EXISTS || code == ERROR_ALREADY_EXISTS;
}
// The text for a ShellExecuteW result; empty for success (above 32).
CString ShellExecuteErrorText(int32_t code);
