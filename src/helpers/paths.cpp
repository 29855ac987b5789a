#include "helpers/paths.h"

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
    const size_t slash = path.rfind(L'\\');
    return slash == std::wstring_view::npos ? CString() : CString(path.substr(0, slash + 1));
}

std::wstring_view SongFileNameOf(std::wstring_view entry)
{
    const size_t slash = entry.rfind(L'\\');
    return slash == std::wstring_view::npos ? entry : entry.substr(slash + 1);
}

bool HasPlaylistExtension(std::wstring_view path)
{
    const size_t dot = path.rfind(L'.');
    return dot != std::wstring_view::npos && EqualsNoCase(path.substr(dot), L".m3u");
}

bool IsPlainName(std::wstring_view name)
{
    if (name.empty() || name == L"." || name == L"..") return false;
    for (const wchar_t c : name)
        if (c < L' ' || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) return false;
    return true;
}
