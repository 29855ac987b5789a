#pragma once
// The main window's built-in file browser: a virtual list in report view that shows one folder at a time,
// starting on the desktop. A folder with a file-system path is listed by the file system, the desktop and
// the virtual folders by the shell; the list asks only for the rows it shows.
#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <unordered_map>

#include "framework/browser_rows.h"
#include "framework/strings.h"

// COM must be initialised on the calling thread before Attach; everything runs on the window's thread.
class ShellBrowser {
public:
    ShellBrowser() = default;
    ShellBrowser(const ShellBrowser&) = delete;
    ShellBrowser& operator=(const ShellBrowser&) = delete;

    // Takes over the dialog's list control, which must be a virtual list (LVS_OWNERDATA) in report view,
    // and shows the desktop.
    void Attach(HWND dialog, int controlId);
    HWND Handle() const { return list_; }

    // The file-system path of the item; empty for -1, an index out of range or an item without one.
    CString GetItemPath(int item) const;
    // The current folder's file-system path; empty when it has none.
    CString CurrentFolderPath() const;

    // Each returns false and leaves the view as it was when the folder cannot be listed.
    bool DisplayFolder(const CString& path);  // a folder by its file-system path
    bool DisplayParentFolder();                // false at the desktop
    void Refresh();
    // What Enter does: opens the selected item when it is a folder.
    void OpenSelectedFolder();

    // The dialog passes every WM_NOTIFY of the control here; true when the browser handled it.
    // Clicks (NM_CLICK) are left to the dialog.
    bool HandleNotify(NMHDR* header, LRESULT* result);

private:
    bool ShowPath(const CString& path);
    bool ShowShellItem(unique_pidl item);
    bool ShowShellParent(PCIDLIST_ABSOLUTE item);
    void ShowListing(BrowserRows&& listing);
    void OpenFolderItem(int item);
    const TypeLook& Look(size_t row);
    void FillDisplayInfo(LVITEMW& cell);
    int FindItem(const NMLVFINDITEMW& find) const;

    HWND list_ = nullptr;
    BrowserRows listing_;
    CString folderPath_;       // the listed folder's path; empty for a folder listed by the shell
    unique_pidl shellFolder_;  // the folder listed by the shell; empty for one listed by the file system
    // The shell's item through which the file-system folders were entered, and its path: Up at that path
    // goes back to where it was in the shell's namespace (the desktop, My Computer).
    unique_pidl entryItem_;
    CString entryPath_;
    std::unordered_map<size_t, TypeLook> rowLooks_;  // rows that are looked up one by one, once shown
};
