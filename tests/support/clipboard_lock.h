#pragma once
// CTest runs every test in a process of its own and in parallel, but there is one clipboard:
// a test that puts something on it and reads it back holds this lock for its whole run.
#include <windows.h>

#include "framework/strings.h"

// The documentation link that a failure with a code from 0 to 499 leaves on the clipboard.
inline const CString kErrorLink0To499 =
    L"https://learn.microsoft.com/en-us/windows/win32/debug/system-error-codes--0-499-";

class ClipboardLock {
public:
    ClipboardLock() : mutex_(CreateMutexW(nullptr, FALSE, L"Local\\TallowmereTestClipboard"))
    {
        WaitForSingleObject(mutex_, INFINITE);
    }
    ~ClipboardLock()
    {
        ReleaseMutex(mutex_);
        CloseHandle(mutex_);
    }
    ClipboardLock(const ClipboardLock&) = delete;
    ClipboardLock& operator=(const ClipboardLock&) = delete;

private:
    HANDLE mutex_;
};
