#include "helpers/shortcuts.h"

#include <shlobj.h>

#include <cwchar>

#include "framework/com.h"

namespace {

// Room for the longest path Windows can name, so a target is never cut.
constexpr int kLongestPath = 32768;

HRESULT CreateShellLink(ComPtr<IShellLinkW>& link)
{
    return CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.Put());
}

}  // namespace

HRESULT ResolveShortcutTarget(const CString& shortcutPath, CString& target)
{
    target.clear();
    ComPtr<IShellLinkW> link;
    HRESULT result = CreateShellLink(link);
    if (FAILED(result)) return result;
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.Put());
    if (FAILED(result)) return result;
    result = file->Load(shortcutPath.c_str(), STGM_READ);
    if (FAILED(result)) return result;
    // No owner window and no SLR_NO_UI: the shell may look for a moved target and update the link.
    result = link->Resolve(nullptr, SLR_UPDATE);
    if (FAILED(result)) return result;
    // No find data is asked for: it is not used, and Wine fills it through a MAX_PATH buffer.
    CString path(kLongestPath, L'\0');
    result = link->GetPath(path.data(), kLongestPath, nullptr, SLGP_RAWPATH);
    if (FAILED(result)) return result;
    // The description is not needed, but a link that cannot give it is treated as unreadable.
    // It may hold a whole path too, so it gets the same room.
    CString description(kLongestPath, L'\0');
    result = link->GetDescription(description.data(), kLongestPath);
    if (FAILED(result)) return result;
    path.resize(std::wcslen(path.c_str()));
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
    result = link->QueryInterface(IID_IPersistFile, file.Put());
    if (FAILED(result)) return result;
    return file->Save(shortcutPath.c_str(), TRUE);
}
