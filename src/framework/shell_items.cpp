#include "framework/shell_items.h"

#include <shlwapi.h>

#include <algorithm>
#include <iterator>

#include "framework/com.h"

namespace {

bool BindFolder(PCIDLIST_ABSOLUTE pidl, ComPtr<IShellFolder>& folder)
{
    if (ILIsEmpty(pidl)) return SUCCEEDED(SHGetDesktopFolder(folder.Put()));
    ComPtr<IShellFolder> desktop;
    return SUCCEEDED(SHGetDesktopFolder(desktop.Put())) &&
           SUCCEEDED(desktop->BindToObject(pidl, nullptr, IID_IShellFolder, folder.PutVoid()));
}

CString DisplayName(IShellFolder* folder, PCUITEMID_CHILD child, SHGDNF form)
{
    STRRET name = {};
    if (FAILED(folder->GetDisplayNameOf(child, form, &name))) return {};
    wchar_t* text = nullptr;
    if (FAILED(StrRetToStrW(&name, child, &text))) return {};
    const std::unique_ptr<wchar_t, CoTaskMemFreer> owner(text);
    return text;
}

void AddItem(IShellFolder* folder, PCIDLIST_ABSOLUTE folderPidl, PCUITEMID_CHILD child, BrowserRows& rows)
{
    unique_pidl absolute(ILCombine(folderPidl, child));
    if (!absolute) return;
    SFGAOF attributes = SFGAO_FOLDER | SFGAO_STREAM;
    if (FAILED(folder->GetAttributesOf(1, &child, &attributes))) attributes = 0;
    // A zip file is a folder to the shell but a file to the user.
    const bool isFolder = (attributes & SFGAO_FOLDER) && !(attributes & SFGAO_STREAM);
    WIN32_FIND_DATAW found = {};
    const bool hasFound = SUCCEEDED(SHGetDataFromIDListW(folder, child, SHGDFIL_FINDDATA, &found, sizeof found));
    rows.AddShellItem(std::move(absolute), DisplayName(folder, child, SHGDN_INFOLDER), isFolder,
                         hasFound ? &found : nullptr);
}

}  // namespace

unique_pidl DesktopPidl()
{
    unique_pidl desktop(static_cast<ITEMIDLIST*>(CoTaskMemAlloc(sizeof(USHORT))));
    if (desktop) desktop->mkid.cb = 0;
    return desktop;
}

unique_pidl ClonePidl(PCIDLIST_ABSOLUTE pidl)
{
    return unique_pidl(pidl ? ILClone(pidl) : nullptr);
}

unique_pidl PidlOf(const CString& path)
{
    PIDLIST_ABSOLUTE parsed = nullptr;
    const HRESULT hr = SHParseDisplayName(path.c_str(), nullptr, &parsed, 0, nullptr);
    unique_pidl item(parsed);
    if (FAILED(hr)) item.reset();
    return item;
}

// The parsing name of a file-system item is its path. Where that name may have been cut at MAX_PATH (Wine
// cuts and still reports success), the path is built from the parent's path and the item's own file name
// instead, so a deep song never yields a wrong path.
CString PathOf(PCIDLIST_ABSOLUTE pidl)
{
    ComPtr<IShellFolder> parent;
    PCUITEMID_CHILD child = nullptr;
    if (!pidl || FAILED(SHBindToParent(pidl, IID_IShellFolder, parent.PutVoid(), &child))) return {};
    SFGAOF attributes = SFGAO_FILESYSTEM;
    if (FAILED(parent->GetAttributesOf(1, &child, &attributes)) || !(attributes & SFGAO_FILESYSTEM)) return {};
    const CString path = DisplayName(parent.Get(), child, SHGDN_FORPARSING);
    if (path.size() < MAX_PATH - 1) return path;

    WIN32_FIND_DATAW data = {};
    if (FAILED(SHGetDataFromIDListW(parent.Get(), child, SHGDFIL_FINDDATA, &data, sizeof data))) return {};
    const CString name = data.cFileName;
    if (name.empty()) return {};
    if (path.ends_with(L"\\" + name)) return path;
    unique_pidl folderPidl(ILClone(pidl));
    if (!folderPidl || !ILRemoveLastID(folderPidl.get())) return {};
    CString folder = PathOf(folderPidl.get());
    if (folder.empty()) return {};
    if (folder.back() != L'\\') folder += L'\\';
    return folder + name;
}

bool ListShellFolder(PCIDLIST_ABSOLUTE folderPidl, BrowserRows& rows)
{
    ComPtr<IShellFolder> folder;
    if (!BindFolder(folderPidl, folder)) return false;
    ComPtr<IEnumIDList> entries;
    // No window for the shell: it must not ask the user anything (a drive without a disc, say).
    const HRESULT hr = folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, entries.Put());
    if (FAILED(hr)) return false;
    if (hr == S_OK && entries.Get()) {
        for (;;) {
            PITEMID_CHILD batch[256] = {};
            ULONG fetched = 0;
            const HRESULT next = entries->Next(static_cast<ULONG>(std::size(batch)), batch, &fetched);
            fetched = std::min<ULONG>(fetched, static_cast<ULONG>(std::size(batch)));
            unique_pidl owned[std::size(batch)];
            for (ULONG i = 0; i < fetched; ++i) owned[i].reset(batch[i]);
            for (ULONG i = 0; i < fetched; ++i) AddItem(folder.Get(), folderPidl, owned[i].get(), rows);
            if (next != S_OK || fetched == 0) break;
        }
    }
    rows.Sort();
    return true;
}
