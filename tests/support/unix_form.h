#pragma once
// Wine's \\?\unix\ form of a folder (ending in "\"): a name in it is taken exactly as written, where
// a Windows path makes Wine look for the name under any letter case. Empty outside Wine.
#include <windows.h>

#include <algorithm>

#include "framework/strings.h"

inline CString UnixForm(const CString& folder)
{
    using UnixFileName = char*(__cdecl*)(const wchar_t*);
    const auto toUnix = reinterpret_cast<UnixFileName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* unixName = toUnix ? toUnix(folder.c_str()) : nullptr;
    if (!unixName) return CString();
    const int length = MultiByteToWideChar(CP_UTF8, 0, unixName, -1, nullptr, 0);
    CString path(static_cast<size_t>(std::max(length, 1)) - 1, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, unixName, -1, path.data(), length);
    HeapFree(GetProcessHeap(), 0, unixName);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    if (path.empty() || path.back() != L'\\') path += L'\\';
    return L"\\\\?\\unix" + path;
}
