#pragma once
// The main window's built-in file browser: a virtual list in report view that shows one folder at a time,
// starting on the desktop. A folder with a file-system path is listed by the file system, the desktop and
// the virtual folders by the shell; the list asks only for the rows it shows. The folder on show is
// always one that could be listed when it was last shown: when it can no longer be, Up and Refresh show
// the nearest folder above it that can, and so does opening a folder row whose folder is gone.
// A position is a place in the list; a row is an index into the stored rows, shown in the sorted order.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "framework/browser_columns.h"
#include "framework/browser_rows.h"
#include "framework/strings.h"

// COM must be initialised on the calling thread before Attach; everything runs on the window's thread.
class ShellBrowser {
public:
    ShellBrowser() = default;
    ShellBrowser(const ShellBrowser&) = delete;
    ShellBrowser& operator=(const ShellBrowser&) = delete;

    // Takes over the dialog's list control, which must be a virtual list (LVS_OWNERDATA) in report view,
    // and shows the desktop, sorted by name.
    void Attach(HWND dialog, int controlId);
    HWND Handle() const { return list_; }

    // The file-system path of the item at the list's position; empty for -1, a position out of range or
    // an item without one.
    CString GetItemPath(int position) const;
    // The current folder's file-system path; empty when it has none.
    CString CurrentFolderPath() const;

    // A folder by its file-system path; false, with the view as it was, when it cannot be listed.
    bool DisplayFolder(const CString& path);
    // The nearest folder above the current one that can be listed (up to the drive's root, then My
    // Computer, then the desktop); false at the desktop.
    bool DisplayParentFolder();
    // The current folder listed again, or the nearest folder above it when it can no longer be listed.
    void Refresh();
    // What Enter and a double-click do: a folder opens in the browser (when it is gone, the nearest folder
    // above it that can be listed is shown, as Refresh does; when it is there but cannot be listed, the
    // view stays as it was); any other item's default command runs.
    void OpenSelectedItem();
    // What a header click does: sorts by the column, the other way round when it is already sorted by it.
    void SortByColumn(int column);

    // The dialog passes every WM_NOTIFY of the control here; true when the browser handled it.
    // Clicks (NM_CLICK) are left to the dialog.
    bool HandleNotify(NMHDR* header, LRESULT* result);

private:
    bool ShowPath(const CString& path);
    bool ShowShellItem(unique_pidl item);
    void ShowNearestAbove(const CString& path);
    void ShowNearestShellItem(unique_pidl item);
    void ShowRows(BrowserRows&& rows);
    void ShowInOrder();
    void ReorderKeepingSelection();
    std::vector<bool> SelectedRows() const;
    std::vector<bool> FlagsByPosition(const std::vector<bool>& rowFlags) const;
    void ResetListItems(DWORD countFlags);
    void OpenAt(int position);
    size_t RowAt(int position) const { return shown_[static_cast<size_t>(position)]; }
    bool IsPosition(int position) const { return position >= 0 && static_cast<size_t>(position) < shown_.size(); }
    int64_t RowOrNone(int position) const;  // -1 for a position out of range
    int PositionOf(size_t row) const;
    const TypeLook& RowLook(size_t row);
    std::wstring_view TypeText(size_t row);
    int Icon(size_t row);
    void FillDisplayInfo(LVITEMW& cell);
    int FindPosition(const NMLVFINDITEMW& find) const;

    HWND list_ = nullptr;
    BrowserRows rows_;
    std::vector<uint32_t> shown_;  // the row shown at each position of the list
    SortOrder order_;
    CString folderPath_;       // the listed folder's path; empty for a folder listed by the shell
    unique_pidl shellFolder_;  // the folder listed by the shell; empty for one listed by the file system
    // The shell's item through which the file-system folders were entered, and its path: Up at that path
    // goes back to where it was in the shell's namespace (the desktop, My Computer).
    unique_pidl entryItem_;
    CString entryPath_;
    std::unordered_map<size_t, TypeLook> rowLooks_;  // rows that are looked up one by one, once needed
};
