#include "framework/shell_browser.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>

#include "framework/browser_order.h"
#include "framework/file_system_rows.h"
#include "framework/list_selection.h"
#include "framework/shell_items.h"
#include "framework/shell_opener.h"

namespace {

// The platform documents it as LVFI_PARTIAL under another name; older headers lack it.
constexpr UINT kFindSubstring = 0x0004;

HIMAGELIST SystemSmallIcons()
{
    const unique_pidl desktop = DesktopPidl();
    SHFILEINFOW info = {};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(reinterpret_cast<LPCWSTR>(desktop.get()), 0, &info,
                                                       sizeof info, SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
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

unique_pidl ShellParent(PCIDLIST_ABSOLUTE item)
{
    unique_pidl parent = ClonePidl(item);
    if (parent && !ILRemoveLastID(parent.get())) parent.reset();
    return parent;
}

// The shell's folder above a drive's root (My Computer); My Computer too for a root the shell no longer
// knows, such as a drive taken away.
unique_pidl ShellParentOfRoot(const CString& root)
{
    if (const unique_pidl item = PidlOf(root)) {
        if (unique_pidl parent = ShellParent(item.get())) return parent;
    }
    PIDLIST_ABSOLUTE computer = nullptr;
    return SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer)) ? unique_pidl(computer)
                                                                                   : DesktopPidl();
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
    AddBrowserColumns(list_);
    ShowSortArrow(list_, order_);
    ShowShellItem(DesktopPidl());
}

CString ShellBrowser::GetItemPath(int position) const
{
    if (!IsPosition(position)) return {};
    const size_t row = RowAt(position);
    if (const PCIDLIST_ABSOLUTE shellItem = rows_.ShellItem(row)) return PathOf(shellItem);
    return JoinPath(folderPath_, rows_.Name(row));
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
    if (shellFolder_) {
        if (ILIsEmpty(shellFolder_.get())) return false;
        ShowNearestShellItem(ShellParent(shellFolder_.get()));
        return true;
    }
    if (folderPath_.empty()) return false;
    ShowNearestAbove(folderPath_);
    return true;
}

void ShellBrowser::Refresh()
{
    if (shellFolder_) ShowNearestShellItem(ClonePidl(shellFolder_.get()));
    else if (!folderPath_.empty() && !ShowPath(folderPath_)) ShowNearestAbove(folderPath_);
}

void ShellBrowser::OpenSelectedItem()
{
    if (list_) OpenAt(static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, -1, LVNI_FOCUSED | LVNI_SELECTED)));
}

void ShellBrowser::SortByColumn(int column)
{
    if (!list_ || column < 0 || column >= kBrowserColumns) return;
    const auto clicked = static_cast<BrowserColumn>(column);
    order_ = {clicked, clicked != order_.column || !order_.ascending};
    ShowSortArrow(list_, order_);
    ReorderKeepingSelection();
}

// The selected and the focused items stay so wherever the new order moves them, and the selection mark
// stays on its item.
void ShellBrowser::ReorderKeepingSelection()
{
    const auto selectedCount = static_cast<size_t>(ListView_GetSelectedCount(list_));
    // With all or none selected, the selection stays as it is; only a part is read, by row, and set again.
    const bool part = selectedCount > 0 && selectedCount < shown_.size();
    const std::vector<bool> selectedRows = part ? SelectedRows() : std::vector<bool>();
    const int64_t focused = RowOrNone(ListView_GetNextItem(list_, -1, LVNI_FOCUSED));
    const int64_t mark = RowOrNone(ListView_GetSelectionMark(list_));
    ShowInOrder();
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    if (part) {
        // The selection is dropped in one message, which drops the focus and the mark with it.
        ResetListItems(LVSICF_NOSCROLL);
        SelectPositions(list_, FlagsByPosition(selectedRows));
    }
    const int focusedPosition = focused >= 0 ? PositionOf(focused) : -1;
    if (focusedPosition >= 0) ListView_SetItemState(list_, focusedPosition, LVIS_FOCUSED, LVIS_FOCUSED);
    if (mark >= 0) ListView_SetSelectionMark(list_, PositionOf(mark));
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    if (focusedPosition >= 0) ListView_EnsureVisible(list_, focusedPosition, FALSE);
    InvalidateRect(list_, nullptr, TRUE);
}

// Whether each row is selected, by row.
std::vector<bool> ShellBrowser::SelectedRows() const
{
    std::vector<bool> selected(shown_.size());
    for (int position = -1; (position = ListView_GetNextItem(list_, position, LVNI_SELECTED)) >= 0;) {
        if (IsPosition(position)) selected[RowAt(position)] = true;
    }
    return selected;
}

// The flags of the rows at the positions where the current order shows them.
std::vector<bool> ShellBrowser::FlagsByPosition(const std::vector<bool>& rowFlags) const
{
    std::vector<bool> flags(shown_.size());
    for (size_t position = 0; position < shown_.size(); ++position) flags[position] = rowFlags[shown_[position]];
    return flags;
}

// A virtual list holds no rows of its own: dropping its items drops only its selection, focus and
// selection mark, and the count of rows shown is the whole filling.
void ShellBrowser::ResetListItems(DWORD countFlags)
{
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    SendMessageW(list_, LVM_SETITEMCOUNT, shown_.size(), countFlags);
}

int64_t ShellBrowser::RowOrNone(int position) const
{
    return IsPosition(position) ? static_cast<int64_t>(RowAt(position)) : -1;
}

int ShellBrowser::PositionOf(size_t row) const
{
    return static_cast<int>(std::find(shown_.begin(), shown_.end(), row) - shown_.begin());
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
        answer = FindPosition(*reinterpret_cast<NMLVFINDITEMW*>(header));
        break;
    case LVN_COLUMNCLICK:
        SortByColumn(reinterpret_cast<NMLISTVIEW*>(header)->iSubItem);
        break;
    case NM_DBLCLK:
        OpenAt(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
        break;
    // The rows' data belongs to the browser, so the list need not announce each deleted row.
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
    BrowserRows rows;
    if (ListFileSystemFolder(path, rows) != 0) return false;
    folderPath_ = path;
    shellFolder_.reset();
    ShowRows(std::move(rows));
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
    BrowserRows rows;
    if (!ListShellFolder(item.get(), rows)) return false;
    folderPath_.clear();
    shellFolder_ = std::move(item);
    entryItem_.reset();
    entryPath_.clear();
    ShowRows(std::move(rows));
    return true;
}

// Up from the path past every folder that can no longer be listed: the folders above it on its drive,
// then the shell's folders above the drive's root, or above the item it was entered through.
void ShellBrowser::ShowNearestAbove(const CString& path)
{
    for (CString folder = path;;) {
        if (entryItem_ && folder == entryPath_) return ShowNearestShellItem(ShellParent(entryItem_.get()));
        CString parent = ParentPath(folder);
        if (parent.empty()) return ShowNearestShellItem(ShellParentOfRoot(folder));
        if (ShowPath(parent)) return;
        folder = std::move(parent);
    }
}

void ShellBrowser::ShowNearestShellItem(unique_pidl item)
{
    while (item) {
        if (ShowShellItem(ClonePidl(item.get()))) return;
        if (ILIsEmpty(item.get()) || !ILRemoveLastID(item.get())) break;
    }
    // Not even the desktop could be listed: it shows empty rather than with the rows of a folder now gone.
    folderPath_.clear();
    shellFolder_ = DesktopPidl();
    entryItem_.reset();
    entryPath_.clear();
    ShowRows(BrowserRows());
}

void ShellBrowser::ShowRows(BrowserRows&& rows)
{
    rows_ = std::move(rows);
    rowLooks_.clear();
    ShowInOrder();
    if (!list_) return;
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    ResetListItems(0);  // the folder before leaves no selection
    // The list keeps its scrolling through a new count: the folder is shown from its top.
    if (!shown_.empty()) SendMessageW(list_, LVM_ENSUREVISIBLE, 0, FALSE);
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

void ShellBrowser::ShowInOrder()
{
    shown_ = ShownOrder(rows_, order_, [this](size_t row) { return TypeText(row); });
}

// A folder row whose folder is gone is stale: the folder on show is listed afresh, or the nearest one
// above it, so the row goes and the user sees why nothing opened. A folder that is still there but
// cannot be listed opens to nothing, and the view stays as it was, as the shell's own list does.
void ShellBrowser::OpenAt(int position)
{
    if (!IsPosition(position)) return;
    const size_t row = RowAt(position);
    const PCIDLIST_ABSOLUTE shellItem = rows_.ShellItem(row);
    const CString path = GetItemPath(position);
    if (!rows_.Item(row).folder) {
        RunDefaultCommand(GetParent(list_), shellItem, path);
        return;
    }
    const bool shown = shellItem ? ShowShellItem(ClonePidl(shellItem)) : ShowPath(path);
    if (!shown && !path.empty() && IsFolderGone(path)) Refresh();
}

// The shell's own items are looked up one by one, and so are the icons of files whose type gives each
// file an icon of its own (programs, shortcuts); each once, when first needed.
const TypeLook& ShellBrowser::RowLook(size_t row)
{
    if (const auto found = rowLooks_.find(row); found != rowLooks_.end()) return found->second;
    TypeLook& look = rowLooks_[row];
    SHFILEINFOW info = {};
    if (const PCIDLIST_ABSOLUTE shellItem = rows_.ShellItem(row)) {
        const UINT flags = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_TYPENAME;
        if (SHGetFileInfoW(reinterpret_cast<LPCWSTR>(shellItem), 0, &info, sizeof info, flags)) {
            look.icon = info.iIcon;
            look.text = info.szTypeName;
        }
        return look;
    }
    const CString path = JoinPath(folderPath_, rows_.Name(row));
    const bool found = path.size() < MAX_PATH &&
                       SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    look.icon = found ? info.iIcon : rows_.Types().Look(rows_.Item(row).type).icon;
    return look;
}

std::wstring_view ShellBrowser::TypeText(size_t row)
{
    if (rows_.ShellItem(row)) return RowLook(row).text;
    return rows_.Types().Look(rows_.Item(row).type).text;
}

int ShellBrowser::Icon(size_t row)
{
    const BrowserRow& item = rows_.Item(row);
    if (rows_.ShellItem(row) || (!item.folder && rows_.Types().HasOwnIcons(item.type))) return RowLook(row).icon;
    return rows_.Types().Look(item.type).icon;
}

void ShellBrowser::FillDisplayInfo(LVITEMW& cell)
{
    if (!IsPosition(cell.iItem)) return;
    const size_t row = RowAt(cell.iItem);
    if (cell.mask & LVIF_IMAGE) cell.iImage = Icon(row);
    if (!(cell.mask & LVIF_TEXT) || !cell.pszText || cell.cchTextMax <= 0) return;
    const BrowserRow& item = rows_.Item(row);
    switch (static_cast<BrowserColumn>(cell.iSubItem)) {
    case BrowserColumn::Size:
        CopyText(item.hasFileData && !item.folder ? FormatSize(item.size) : CString(), cell);
        break;
    case BrowserColumn::Type: CopyText(TypeText(row), cell); break;
    case BrowserColumn::Modified: CopyText(item.hasFileData ? FormatTime(item.modified) : CString(), cell); break;
    default: CopyText(rows_.ShownName(row), cell); break;
    }
}

// Type-ahead and LVM_FINDITEMW: the first position from iStart whose shown name is the text, or begins
// with it for a partial search, letter case ignored. Wine's type-ahead sends LVFI_PARTIAL without
// LVFI_STRING.
int ShellBrowser::FindPosition(const NMLVFINDITEMW& find) const
{
    const LVFINDINFOW& info = find.lvfi;
    const UINT partialFlags = LVFI_PARTIAL | kFindSubstring;
    if (!(info.flags & (LVFI_STRING | partialFlags)) || !info.psz) return -1;
    const std::wstring_view wanted = info.psz;
    const bool partial = (info.flags & partialFlags) != 0;
    const size_t count = shown_.size();
    if (count == 0) return -1;
    const size_t start = find.iStart >= 0 && static_cast<size_t>(find.iStart) < count ? find.iStart : 0;
    const size_t end = (info.flags & LVFI_WRAP) ? start + count : count;
    for (size_t i = start; i < end; ++i) {
        const int position = static_cast<int>(i % count);
        const std::wstring_view shown = rows_.ShownName(RowAt(position));
        if (partial ? shown.size() < wanted.size() : shown.size() != wanted.size()) continue;
        if (CompareStringOrdinal(shown.data(), static_cast<int>(wanted.size()), wanted.data(),
                                 static_cast<int>(wanted.size()), TRUE) == CSTR_EQUAL) {
            return position;
        }
    }
    return -1;
}
