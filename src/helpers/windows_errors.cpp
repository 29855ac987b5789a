#include "helpers/windows_errors.h"

#include <windows.h>

#include "helpers/clipboard.h"

CString WindowsErrorLink(uint32_t code)
{
    static constexpr struct { uint32_t last; const wchar_t* path; } ranges[] = {
        {499, L"/en-us/windows/win32/debug/system-error-codes--0-499-"},
        {999, L"/en-us/windows/win32/debug/system-error-codes--500-999-"},
        {1299, L"/en-us/windows/win32/debug/system-error-codes--1000-1299-"},
        {1699, L"/en-us/windows/win32/debug/system-error-codes--1300-1699-"},
        {3999, L"/en-us/windows/win32/debug/system-error-codes--1700-3999-"},
        {5999, L"/en-us/windows/win32/debug/system-error-codes--4000-5999-"},
        {8199, L"/en-us/windows/win32/debug/system-error-codes--6000-8199-"},
        {8999, L"/en-us/windows/win32/debug/system-error-codes--8200-8999-"},
        {11999, L"/en-us/windows/win32/debug/system-error-codes--9000-11999-"},
        {15999, L"/en-us/windows/win32/debug/system-error-codes--12000-15999-"},
    };
    for (const auto& range : ranges)
        if (code <= range.last) return CString(L"https://learn.microsoft.com") + range.path;
    return {};
}

uint32_t WindowsErrorHelp()
{
    const DWORD code = GetLastError();
    SetClipboardText(WindowsErrorLink(code));
    // Whoever reads the last error after us still finds the failure, not a clipboard call's leftovers.
    SetLastError(code);
    return code;
}

CString ShellExecuteErrorText(int32_t code)
{
    switch (code) {
    case 0: return L"The operating system is out of memory or resources.";
    case 2: return L"The specified file was not found.";
    case 3: return L"The specified path was not found.";
    case 5: return L"The operating system denied access to the specified file.";
    case 8: return L"There was not enough memory to complete the operation.";
    case 11: return L"The .exe file is invalid (non-Win32 .exe or error in .exe image).";
    case 26: return L"A sharing violation occurred.";
    case 27: return L"The file name association is incomplete or invalid.";
    case 28: return L"The DDE transaction could not be completed because the request timed out.";
    case 29: return L"The DDE transaction failed.";
    case 30:
        return L"The DDE transaction could not be completed because other DDE transactions were being processed.";
    case 31:
        return L"There is no application associated with the given file name extension. "
               L"This error will also be returned if you attempt to print a file that is not printable.";
    case 32: return L"The specified DLL was not found.";
    default:
        return code > 32 ? CString() : L"The ShellExecute function failed (due to unprecise Windows error code).";
    }
}
