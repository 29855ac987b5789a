#include "framework/shell_browser.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <iterator>

#include "framework/file_system_rows.h"
#include "framework/shell_items.h"

namespace {

const int kColumnCount = 4;

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

CString JoinPath(const CString& folder, std::wstring_view name)
{
    CString path = folder;
    if (!path.ends_with(L'\\')) path += L'\\';
    return path.append(name);
}

// The folder above; empty for a root ("C:\", "\\server\share") or a path whose root is not known.
CString ParentPath(const CString& path)
{
    const wchar_t* rest = PathSkipRootW(path.c_str());
    if (!rest) return {};
    const size_t rootLength = static_cast<size_t>(rest - path.c_str());
    CString folder = path;
    if (folder.size() > rootLength && folder.ends_with(L'\\')) folder.pop_back();
    if (folder.size() <= rootLength) return {};
    return folder.substr(0, std::max(folder.rfind(L'\\'), rootLength));
}

void CopyText(std::wstring_view text, LVITEMW& cell)
{
    const size_t length = std::min(text.size(), static_cast<size_t>(cell.cchTextMax - 1));
    std::copy_n(text.data(), length, cell.pszText);
    cell.pszText[length] = L'\0';
}

// The wait cursor while a folder is listed on the window's thread.
class BusyCursor {
public:
    BusyCursor() : before_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~BusyCursor() { SetCursor(before_); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    HCURSOR before_;
};

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
    ShowShellItem(DesktopPidl());
}

CString ShellBrowser::GetItemPath(int item) const
{
    if (item < 0 || static_cast<size_t>(item) >= listing_.Count()) return {};
    if (const PCIDLIST_ABSOLUTE shellItem = listing_.ShellItem(item)) return PathOf(shellItem);
    return JoinPath(folderPath_, listing_.Name(item));
}

CString ShellBrowser::CurrentFolderPath() const
{
    return folderPath_;
}

bool ShellBrowser::DisplayFolder(const CString& path)
{
    if (!ShowPath(path)) return false;
    entryItem_.reset();
    entryPath_.clear();
    return true;
}

bool ShellBrowser::DisplayParentFolder()
{
    if (shellFolder_) return !ILIsEmpty(shellFolder_.get()) && ShowShellParent(shellFolder_.get());
    if (folderPath_.empty()) return false;
    if (entryItem_ && folderPath_ == entryPath_) return ShowShellParent(entryItem_.get());
    if (const CString parent = ParentPath(folderPath_); !parent.empty()) return ShowPath(parent);
    // A drive's root: its parent is in the shell's namespace (My Computer).
    PIDLIST_ABSOLUTE parsed = nullptr;
    const HRESULT hr = SHParseDisplayName(folderPath_.c_str(), nullptr, &parsed, 0, nullptr);
    const unique_pidl item(parsed);
    return SUCCEEDED(hr) && item && ShowShellParent(item.get());
}

void ShellBrowser::Refresh()
{
    if (shellFolder_) ShowShellItem(ClonePidl(shellFolder_.get()));
    else if (!folderPath_.empty()) ShowPath(folderPath_);
}

void ShellBrowser::OpenSelectedFolder()
{
    if (list_) OpenFolderItem(static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED | LVNI_SELECTED)));
}

bool ShellBrowser::HandleNotify(NMHDR* header, LRESULT* result)
{
    if (!header || !list_ || header->hwndFrom != list_) return false;
    LRESULT answer = 0;
    switch (header->code) {
    case LVN_GETDISPINFOW:
        FillDisplayInfo(reinterpret_cast<NMLVDISPINFOW*>(header)->item);
        break;
    case LVN_ODFINDITEMW:
        answer = FindItem(*reinterpret_cast<NMLVFINDITEMW*>(header));
        break;
    case NM_DBLCLK:
        OpenFolderItem(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
        break;
    // The rows' data belongs to the listing, so the list need not announce each deleted row.
    case LVN_DELETEALLITEMS:
        answer = TRUE;
        break;
    default:
        return false;
    }
    if (result) *result = answer;
    return true;
}

bool ShellBrowser::ShowPath(const CString& path)
{
    const BusyCursor busy;
    BrowserRows listing;
    if (ListFileSystemFolder(path, listing) != 0) return false;
    folderPath_ = path;
    shellFolder_.reset();
    ShowListing(std::move(listing));
    return true;
}

// A folder with a file-system path is listed by the file system; only the shell can list the others,
// and the desktop, whose folder holds only part of what it shows (My Computer, the Trash).
bool ShellBrowser::ShowShellItem(unique_pidl item)
{
    if (!item) return false;
    if (const CString path = ILIsEmpty(item.get()) ? CString() : PathOf(item.get()); !path.empty()) {
        if (!ShowPath(path)) return false;
        entryItem_ = std::move(item);
        entryPath_ = path;
        return true;
    }
    const BusyCursor busy;
    BrowserRows listing;
    if (!ListShellFolder(item.get(), listing)) return false;
    folderPath_.clear();
    shellFolder_ = std::move(item);
    entryItem_.reset();
    entryPath_.clear();
    ShowListing(std::move(listing));
    return true;
}

bool ShellBrowser::ShowShellParent(PCIDLIST_ABSOLUTE item)
{
    unique_pidl parent = ClonePidl(item);
    return parent && ILRemoveLastID(parent.get()) && ShowShellItem(std::move(parent));
}

void ShellBrowser::ShowListing(BrowserRows&& listing)
{
    listing_ = std::move(listing);
    rowLooks_.clear();
    if (!list_) return;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    // A virtual list holds no rows of its own: this only drops the selection of the folder before, and
    // the new count is the whole filling.
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(list_, LVM_SETITEMCOUNT, listing_.Count(), 0);
    // The list keeps its scrolling through a new count: the folder is shown from its top.
    if (listing_.Count() > 0) SendMessageW(list_, LVM_ENSUREVISIBLE, 0, FALSE);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void ShellBrowser::OpenFolderItem(int item)
{
    if (item < 0 || static_cast<size_t>(item) >= listing_.Count() || !listing_.Item(item).folder) return;
    if (const PCIDLIST_ABSOLUTE shellItem = listing_.ShellItem(item)) ShowShellItem(ClonePidl(shellItem));
    else ShowPath(JoinPath(folderPath_, listing_.Name(item)));
}

// Most rows show what their type shows; the shell's own items and files with icons of their own (programs,
// shortcuts) are looked up one by one, and only once shown.
const TypeLook& ShellBrowser::Look(size_t row)
{
    const BrowserRow& item = listing_.Item(row);
    FileTypes& types = listing_.Types();
    const PCIDLIST_ABSOLUTE shellItem = listing_.ShellItem(row);
    if (!shellItem && (item.folder || !types.HasOwnIcons(item.type))) return types.Look(item.type);
    if (const auto found = rowLooks_.find(row); found != rowLooks_.end()) return found->second;

    const UINT flags = SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_TYPENAME;
    SHFILEINFOW info = {};
    DWORD_PTR done = 0;
    if (shellItem) {
        done = SHGetFileInfoW(reinterpret_cast<LPCWSTR>(shellItem), 0, &info, sizeof info, flags | SHGFI_PIDL);
    } else if (const CString path = JoinPath(folderPath_, listing_.Name(row)); path.size() < MAX_PATH) {
        done = SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, flags);
    }
    TypeLook& look = rowLooks_[row];
    if (done) {
        look.icon = info.iIcon;
        look.text = info.szTypeName;
    } else if (!shellItem) {
        look = types.Look(item.type);
    }
    return look;
}

void ShellBrowser::FillDisplayInfo(LVITEMW& cell)
{
    if (cell.iItem < 0 || static_cast<size_t>(cell.iItem) >= listing_.Count()) return;
    const size_t row = static_cast<size_t>(cell.iItem);
    if (cell.mask & LVIF_IMAGE) cell.iImage = Look(row).icon;
    if (!(cell.mask & LVIF_TEXT) || !cell.pszText || cell.cchTextMax <= 0) return;
    const BrowserRow& item = listing_.Item(row);
    const FILETIME never = {};
    switch (cell.iSubItem) {
    case 1: CopyText(item.hasFileData && !item.folder ? FormatSize(item.size) : CString(), cell); break;
    case 2: CopyText(Look(row).text, cell); break;
    case 3:
        CopyText(item.hasFileData && CompareFileTime(&item.modified, &never) != 0 ? FormatTime(item.modified)
                                                                                  : CString(),
                 cell);
        break;
    default: CopyText(listing_.ShownName(row), cell); break;
    }
}

// Type-ahead and LVM_FINDITEMW: the first row from iStart whose shown name is the text, or begins with it
// for a partial search, letter case ignored. Wine's type-ahead sends LVFI_PARTIAL without LVFI_STRING.
int ShellBrowser::FindItem(const NMLVFINDITEMW& find) const
{
    const LVFINDINFOW& info = find.lvfi;
    if (!(info.flags & (LVFI_STRING | LVFI_PARTIAL)) || !info.psz) return -1;
    const std::wstring_view wanted = info.psz;
    const bool partial = (info.flags & LVFI_PARTIAL) != 0;
    const size_t count = listing_.Count();
    if (count == 0) return -1;
    const size_t start = find.iStart >= 0 && static_cast<size_t>(find.iStart) < count ? find.iStart : 0;
    const size_t end = (info.flags & LVFI_WRAP) ? start + count : count;
    for (size_t i = start; i < end; ++i) {
        const size_t row = i % count;
        const std::wstring_view shown = listing_.ShownName(row);
        if (partial ? shown.size() < wanted.size() : shown.size() != wanted.size()) continue;
        if (CompareStringOrdinal(shown.data(), static_cast<int>(wanted.size()), wanted.data(),
                                 static_cast<int>(wanted.size()), TRUE) == CSTR_EQUAL) {
            return static_cast<int>(row);
        }
    }
    return -1;
}
