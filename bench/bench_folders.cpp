#include "bench_folders.h"

#include <windows.h>

#include "helpers/strings.h"

CString NewBenchFolder(const CString& label)
{
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    const CString prefix = CString(temp) + label + Int64ToString(GetCurrentProcessId()) + L"_";
    for (int32_t n = 1;; ++n) {
        const CString path = prefix + Int64ToString(n) + L"\\";
        if (CreateDirectoryW(path.c_str(), nullptr)) return path;
        if (GetLastError() != ERROR_ALREADY_EXISTS) return CString();
    }
}
