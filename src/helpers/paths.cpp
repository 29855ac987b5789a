#include "helpers/paths.h"

#include <windows.h>

#include <utility>

#include "helpers/strings.h"

CString GetExtension(std::wstring_view path)
{
    const size_t dot = path.rfind(L'.');
    return dot == std::wstring_view::npos ? CString() : CString(path.substr(dot));
}

CString StripExtension(std::wstring_view path)
{
    const size_t dot = path.rfind(L'.');
    return dot == std::wstring_view::npos ? CString() : CString(path.substr(0, dot));
}

CString GetFileNamePart(std::wstring_view path)
{
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring_view::npos ? CString() : CString(path.substr(slash + 1));
}

CString GetFolderPart(std::wstring_view path)
{
    return CString(GetFolderPartView(path));
}

std::wstring_view GetFolderPartView(std::wstring_view path)
{
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring_view::npos ? std::wstring_view() : path.substr(0, slash + 1);
}

std::wstring_view SongFileNameOf(std::wstring_view entry)
{
    const size_t slash = entry.rfind(L'\\');
    return slash == std::wstring_view::npos ? entry : entry.substr(slash + 1);
}

CString SameFileKey(const CString& path)
{
    CString full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) return UpperCasedAsFileSystem(path);  // not a path: it can only be itself
        if (length < full.size()) {
            full.resize(length);
            return UpperCasedAsFileSystem(std::move(full));
        }
        full.resize(length);
    }
}

bool HasPlaylistExtension(std::wstring_view path)
{
    const size_t dot = path.rfind(L'.');
    return dot != std::wstring_view::npos && EqualsNoCase(path.substr(dot), L".m3u");
}

namespace {

// Windows opens a device for these names, with any extension.
bool IsDeviceName(std::wstring_view stem)
{
    static constexpr std::wstring_view kDevices[] = {L"CON", L"PRN", L"AUX", L"NUL"};
    for (const std::wstring_view device : kDevices)
        if (EqualsNoCase(stem, device)) return true;
    return stem.size() == 4 && (EqualsNoCase(stem.substr(0, 3), L"COM") || EqualsNoCase(stem.substr(0, 3), L"LPT")) &&
           stem[3] >= L'1' && stem[3] <= L'9';
}

}  // namespace

bool IsPlainName(std::wstring_view name)
{
    if (name.empty() || name.back() == L'.' || name.back() == L' ') return false;  // "." and ".." end in "."
    for (const wchar_t c : name)
        if (c < L' ' || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) return false;
    return !IsDeviceName(name.substr(0, name.find(L'.')));
}
