#include "framework/shell_browser.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <iterator>

#include "framework/com.h"

namespace {

const int kColumnCount = 4;

// The desktop, the root of the shell's namespace, is the empty item list.
unique_pidl DesktopPidl()
{
    unique_pidl desktop(static_cast<ITEMIDLIST*>(CoTaskMemAlloc(sizeof(USHORT))));
    if (desktop) desktop->mkid.cb = 0;
    return desktop;
}

unique_pidl Clone(const unique_pidl& pidl)
{
    return unique_pidl(pidl ? ILClone(pidl.get()) : nullptr);
}

bool BindFolder(PCIDLIST_ABSOLUTE pidl, ComPtr<IShellFolder>& folder)
{
    ComPtr<IShellFolder> desktop;
    if (FAILED(SHGetDesktopFolder(desktop.Put()))) return false;
    if (ILIsEmpty(pidl)) return SUCCEEDED(SHGetDesktopFolder(folder.Put()));
    return SUCCEEDED(desktop->BindToObject(pidl, nullptr, IID_IShellFolder, folder.PutVoid()));
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

// The parsing name of a file-system item is its path; virtual items (My Computer, the Control Panel) have none.
// Where that name may have been cut at MAX_PATH (Wine cuts and still reports success), the path is built from
// the parent's path and the item's own file name instead, so a deep song never yields a wrong path.
CString PathOf(PCIDLIST_ABSOLUTE pidl)
{
    ComPtr<IShellFolder> parent;
    PCUITEMID_CHILD child = nullptr;
    if (!pidl || FAILED(SHBindToParent(pidl, IID_IShellFolder, parent.PutVoid(), &child))) {
        return {};
    }
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

CString FormatSize(uint64_t size)
{
    wchar_t text[64] = {};
    return StrFormatKBSizeW(static_cast<LONGLONG>(size), text, static_cast<UINT>(std::size(text))) ? text : L"";
}

// Local date and time in the user's short formats, without seconds.
CString FormatTime(const FILETIME& stamp)
{
    SYSTEMTIME universal = {}, local = {};
    if (!FileTimeToSystemTime(&stamp, &universal) || !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return {};
    }
    wchar_t date[80] = {}, time[80] = {};
    if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, std::size(date)) ||
        !GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &local, nullptr, time, std::size(time))) {
        return {};
    }
    return CString(date) + L" " + time;
}

HIMAGELIST SystemSmallIcons()
{
    const unique_pidl desktop = DesktopPidl();
    SHFILEINFOW info = {};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(reinterpret_cast<LPCWSTR>(desktop.get()), 0, &info,
                                                       sizeof info, SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

int ScreenDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

void AddColumns(HWND list)
{
    const struct { const wchar_t* title; int width; int format; } columns[kColumnCount] = {
        {L"Name", 240, LVCFMT_LEFT}, {L"Size", 80, LVCFMT_RIGHT},
        {L"Type", 140, LVCFMT_LEFT}, {L"Date modified", 130, LVCFMT_LEFT},
    };
    const int dpi = ScreenDpi();
    for (int i = 0; i < kColumnCount; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = columns[i].format;
        column.cx = MulDiv(columns[i].width, dpi, 96);
        column.pszText = const_cast<wchar_t*>(columns[i].title);
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

// In a dialog, Enter goes to the dialog unless the focused control asks for it; the list needs it to open folders.
LRESULT CALLBACK WantEnter(HWND window, UINT message, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR)
{
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, WantEnter, id);
    LRESULT result = DefSubclassProc(window, message, w, l);
    const MSG* key = reinterpret_cast<const MSG*>(l);
    if (message == WM_GETDLGCODE && key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) {
        result |= DLGC_WANTALLKEYS;
    }
    return result;
}

}  // namespace

void ShellBrowser::Attach(HWND dialog, int controlId)
{
    list_ = GetDlgItem(dialog, controlId);
    if (!list_) return;
    // The system image list belongs to the shell: the list must never destroy it.
    const LONG_PTR style = GetWindowLongPtrW(list_, GWL_STYLE);
    if (!(style & LVS_SHAREIMAGELISTS)) SetWindowLongPtrW(list_, GWL_STYLE, style | LVS_SHAREIMAGELISTS);
    SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(SystemSmallIcons()));
    // A click anywhere on a row hits its item, so the dialog's click handler gets a path.
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    AddColumns(list_);
    SetWindowSubclass(list_, WantEnter, 0, 0);
    DisplayPidl(DesktopPidl());
}

CString ShellBrowser::GetItemPath(int item) const
{
    if (item < 0 || static_cast<size_t>(item) >= items_.size()) return {};
    return PathOf(items_[item].absolute.get());
}

CString ShellBrowser::CurrentFolderPath() const
{
    return PathOf(folder_.get());
}

bool ShellBrowser::DisplayFolder(const CString& path)
{
    PIDLIST_ABSOLUTE parsed = nullptr;
    const HRESULT hr = SHParseDisplayName(path.c_str(), nullptr, &parsed, 0, nullptr);
    unique_pidl folder(parsed);
    return SUCCEEDED(hr) && DisplayPidl(std::move(folder));
}

bool ShellBrowser::DisplayParentFolder()
{
    if (!folder_ || ILIsEmpty(folder_.get())) return false;
    unique_pidl parent = Clone(folder_);
    return parent && ILRemoveLastID(parent.get()) && DisplayPidl(std::move(parent));
}

void ShellBrowser::Refresh()
{
    if (folder_) DisplayPidl(Clone(folder_));
}

bool ShellBrowser::HandleNotify(NMHDR* header, LRESULT* result)
{
    if (!header || !list_ || header->hwndFrom != list_) return false;
    LRESULT answer = 0;
    switch (header->code) {
    case LVN_GETDISPINFOW:
        FillDisplayInfo(*reinterpret_cast<NMLVDISPINFOW*>(header));
        break;
    case NM_DBLCLK:
        OpenFolderItem(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
        break;
    // Enter also sends LVN_KEYDOWN first; only this one opens, or the first item of the new folder would open too.
    case NM_RETURN:
        OpenFolderItem(static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED | LVNI_SELECTED)));
        break;
    // The items' data belongs to items_, so the list need not announce each deleted item.
    case LVN_DELETEALLITEMS:
        answer = TRUE;
        break;
    default:
        return false;
    }
    if (result) *result = answer;
    return true;
}

bool ShellBrowser::ReadFolder(PCIDLIST_ABSOLUTE folderPidl, std::vector<Item>& items)
{
    ComPtr<IShellFolder> folder;
    if (!BindFolder(folderPidl, folder)) return false;
    ComPtr<IEnumIDList> entries;
    // No window for the shell: it must not ask the user anything (a drive without a disc, say).
    const HRESULT hr = folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, entries.Put());
    if (FAILED(hr)) return false;
    if (hr != S_OK || !entries.Get()) return true;  // an empty folder

    for (;;) {
        PITEMID_CHILD batch[256] = {};
        ULONG fetched = 0;
        const HRESULT next = entries->Next(static_cast<ULONG>(std::size(batch)), batch, &fetched);
        fetched = std::min<ULONG>(fetched, static_cast<ULONG>(std::size(batch)));
        unique_pidl owned[std::size(batch)];
        for (ULONG i = 0; i < fetched; ++i) owned[i].reset(batch[i]);
        for (ULONG i = 0; i < fetched; ++i) {
            PCUITEMID_CHILD child = owned[i].get();
            Item item;
            item.absolute.reset(ILCombine(folderPidl, child));
            if (!item.absolute) continue;
            item.name = DisplayName(folder.Get(), child, SHGDN_INFOLDER);
            SFGAOF attributes = SFGAO_FOLDER | SFGAO_STREAM;
            if (FAILED(folder->GetAttributesOf(1, &child, &attributes))) attributes = 0;
            // A zip file is a folder to the shell but a file to the user.
            item.folder = (attributes & SFGAO_FOLDER) && !(attributes & SFGAO_STREAM);
            WIN32_FIND_DATAW data = {};
            if (SUCCEEDED(SHGetDataFromIDListW(folder.Get(), child, SHGDFIL_FINDDATA, &data, sizeof data))) {
                item.hasFileData = true;
                item.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
                item.modified = data.ftLastWriteTime;
            }
            items.push_back(std::move(item));
        }
        if (next != S_OK || fetched == 0) break;
    }
    std::sort(items.begin(), items.end(), [](const Item& a, const Item& b) {
        if (a.folder != b.folder) return a.folder;
        return StrCmpLogicalW(a.name.c_str(), b.name.c_str()) < 0;
    });
    return true;
}

bool ShellBrowser::DisplayPidl(unique_pidl folder)
{
    std::vector<Item> items;
    if (!folder || !ReadFolder(folder.get(), items)) return false;
    folder_ = std::move(folder);
    items_ = std::move(items);
    if (list_) Fill();
    return true;
}

void ShellBrowser::Fill()
{
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(list_, LVM_SETITEMCOUNT, items_.size(), 0);
    for (size_t i = 0; i < items_.size(); ++i) {
        LVITEMW row = {};
        row.mask = LVIF_TEXT | LVIF_IMAGE;
        row.iItem = static_cast<int>(i);
        // A callback row: the list asks for the texts and the icon of the rows it shows, and only then are
        // size, type, date and icon worked out.
        row.pszText = LPSTR_TEXTCALLBACKW;
        row.iImage = I_IMAGECALLBACK;
        if (SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row)) < 0) {
            items_.erase(items_.begin() + static_cast<ptrdiff_t>(i), items_.end());  // keep items_ equal to the list
            break;
        }
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void ShellBrowser::OpenFolderItem(int item)
{
    if (item < 0 || static_cast<size_t>(item) >= items_.size() || !items_[item].folder) return;
    DisplayPidl(Clone(items_[item].absolute));
}

void ShellBrowser::LoadDetails(Item& item)
{
    item.detailsLoaded = true;
    SHFILEINFOW info = {};
    if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(item.absolute.get()), 0, &info, sizeof info,
                       SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_TYPENAME)) {
        item.icon = info.iIcon;
        item.typeText = info.szTypeName;
    }
    const FILETIME never = {};
    if (item.hasFileData && CompareFileTime(&item.modified, &never) != 0) item.modifiedText = FormatTime(item.modified);
    if (item.hasFileData && !item.folder) item.sizeText = FormatSize(item.size);
}

void ShellBrowser::FillDisplayInfo(NMLVDISPINFOW& info)
{
    LVITEMW& cell = info.item;
    if (cell.iItem < 0 || static_cast<size_t>(cell.iItem) >= items_.size()) return;
    Item& item = items_[cell.iItem];
    // The name alone (asked for by type-ahead search over many rows) needs no call into the shell.
    const bool detailsWanted = (cell.mask & LVIF_IMAGE) || ((cell.mask & LVIF_TEXT) && cell.iSubItem > 0);
    if (detailsWanted && !item.detailsLoaded) LoadDetails(item);
    if (cell.mask & LVIF_IMAGE) cell.iImage = item.icon;
    if ((cell.mask & LVIF_TEXT) && cell.pszText && cell.cchTextMax > 0) {
        const CString* texts[kColumnCount] = {&item.name, &item.sizeText, &item.typeText, &item.modifiedText};
        const CString* text = cell.iSubItem >= 0 && cell.iSubItem < kColumnCount ? texts[cell.iSubItem] : &item.name;
        lstrcpynW(cell.pszText, text->c_str(), cell.cchTextMax);
    }
}
