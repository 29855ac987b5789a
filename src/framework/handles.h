#pragma once
// Owners for the kernel handles that the helpers open, so every path closes them.
#include <windows.h>

#include <memory>

struct FindCloser {
    void operator()(HANDLE h) const { FindClose(h); }
};
struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};

using unique_find = std::unique_ptr<void, FindCloser>;      // FindFirstFileW ... FindClose
using unique_handle = std::unique_ptr<void, HandleCloser>;  // CreateFileW ... CloseHandle

// Win32 reports "no handle" as INVALID_HANDLE_VALUE; an owner holds nullptr then.
inline unique_find OwnFind(HANDLE h) { return unique_find(h == INVALID_HANDLE_VALUE ? nullptr : h); }
inline unique_handle OwnHandle(HANDLE h) { return unique_handle(h == INVALID_HANDLE_VALUE ? nullptr : h); }
