#include "helpers/shortcuts.h"

#include <shlobj.h>

#include <cwchar>

#include "framework/com.h"

namespace {

// Room for the longest path Windows can name, so a target is never cut.
constexpr int kLongestPath = 32768;

HRESULT CreateShellLink(ComPtr<IShellLinkW>& link)
{
    return CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid());
}

HRESULT LoadShortcut(const CString& shortcutPath, ComPtr<IShellLinkW>& link)
{
    HRESULT result = CreateShellLink(link);
    if (FAILED(result)) return result;
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.PutVoid());
    if (FAILED(result)) return result;
    return file->Load(shortcutPath.c_str(), STGM_READ);
}

// The target path as stored in the link, without resolving it.
HRESULT GetStoredPath(IShellLinkW& link, CString& path)
{
    path.assign(kLongestPath, L'\0');
    const HRESULT result = link.GetPath(path.data(), kLongestPath, nullptr, SLGP_RAWPATH);
    path.resize(SUCCEEDED(result) ? std::wcslen(path.c_str()) : 0);
    return result;
}

HRESULT ReadStoredTarget(const CString& shortcutPath, CString& target)
{
    ComPtr<IShellLinkW> link;
    const HRESULT result = LoadShortcut(shortcutPath, link);
    return FAILED(result) ? result : GetStoredPath(*link.Get(), target);
}

}  // namespace

HRESULT ResolveShortcutTarget(const CString& shortcutPath, CString& target)
{
    target.clear();
    ComPtr<IShellLinkW> link;
    HRESULT result = LoadShortcut(shortcutPath, link);
    if (FAILED(result)) return result;
    // No owner window and no SLR_NO_UI: the shell may look for a moved target and update the link.
    result = link->Resolve(nullptr, SLR_UPDATE);
    if (FAILED(result)) return result;
    // No find data is asked for: it is not used, and Wine fills it through a MAX_PATH buffer.
    CString path;
    result = GetStoredPath(*link.Get(), path);
    if (FAILED(result)) return result;
    // The description is not needed, but a link that cannot give it is treated as unreadable.
    // It may hold a whole path too, so it gets the same room.
    CString description(kLongestPath, L'\0');
    result = link->GetDescription(description.data(), kLongestPath);
    if (FAILED(result)) return result;
    target = std::move(path);
    return result;
}

HRESULT CreateShortcutFile(const CString& target, const CString& shortcutPath, const CString& description)
{
    ComPtr<IShellLinkW> link;
    HRESULT result = CreateShellLink(link);
    if (FAILED(result)) return result;
    // A link whose target was refused would point nowhere; it is not saved.
    result = link->SetPath(target.c_str());
    if (FAILED(result)) return result;
    link->SetDescription(description.c_str());
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.PutVoid());
    if (FAILED(result)) return result;
    result = file->Save(shortcutPath.c_str(), TRUE);
    if (FAILED(result)) return result;
    // Some shells accept a target they cannot store (too long, or outside the ANSI code page) and
    // report success; a link that does not give its target back exactly is removed as a failure.
    CString stored;
    if (FAILED(ReadStoredTarget(shortcutPath, stored)) || stored != target) {
        DeleteFileW(shortcutPath.c_str());
        return HRESULT_FROM_WIN32(ERROR_BAD_PATHNAME);
    }
    return result;
}
