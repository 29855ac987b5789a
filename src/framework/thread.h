#pragma once
// Starts a thread that nobody joins: the handle is closed at once and the thread ends by itself
// or with the process.
#include <windows.h>

#include <process.h>

using ThreadProc = unsigned(__stdcall*)(void*);

inline bool StartDetachedThread(ThreadProc proc, void* argument)
{
    const uintptr_t handle = _beginthreadex(nullptr, 0, proc, argument, 0, nullptr);
    if (handle == 0) return false;
    CloseHandle(reinterpret_cast<HANDLE>(handle));
    return true;
}
