#pragma once
// The main window's built-in file browser: a report-view list of the shell's own folder items.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/strings.h"

struct CoTaskMemFreer {
    void operator()(void* p) const { CoTaskMemFree(p); }
};
using unique_pidl = std::unique_ptr<ITEMIDLIST, CoTaskMemFreer>;  // SHParseDisplayName, ILCombine ... CoTaskMemFree

// The list starts on the desktop: folders first, then the other items, each group sorted by name.
// COM must be initialised on the calling thread before Attach.
class ShellBrowser {
public:
    ShellBrowser() = default;
    ShellBrowser(const ShellBrowser&) = delete;
    ShellBrowser& operator=(const ShellBrowser&) = delete;

    // Takes over the dialog's "SysListView32" control (report view) and shows the desktop.
    void Attach(HWND dialog, int controlId);

    // The file-system path of the item; empty for -1, an index out of range or an item without one.
    CString GetItemPath(int item) const;
    // The current folder's file-system path; empty when it has none.
    CString CurrentFolderPath() const;

    // Each returns false and leaves the view as it was when the folder cannot be shown.
    bool DisplayFolder(const CString& path);
    bool DisplayParentFolder();  // false at the desktop
    void Refresh();

    // The dialog passes every WM_NOTIFY of the control here; true when the browser handled it.
    // Clicks (NM_CLICK) are left to the dialog.
    bool HandleNotify(NMHDR* header, LRESULT* result);

private:
    struct Item {
        unique_pidl absolute;
        CString name;
        bool folder = false;
        bool hasFileData = false;  // size and time below come from the shell's file data
        uint64_t size = 0;
        FILETIME modified = {};
        // Filled the first time the list shows the item.
        bool detailsLoaded = false;
        int icon = 0;
        CString sizeText, typeText, modifiedText;
    };

    // Reads the folder's items, folders first, each group sorted by name; false when it cannot be read.
    static bool ReadFolder(PCIDLIST_ABSOLUTE folder, std::vector<Item>& items);
    bool DisplayPidl(unique_pidl folder);
    void Fill();
    void OpenFolderItem(int item);
    static void LoadDetails(Item& item);
    void FillDisplayInfo(NMLVDISPINFOW& info);

    HWND list_ = nullptr;
    unique_pidl folder_;       // absolute; empty for the desktop
    std::vector<Item> items_;  // in list order: the list's item i is items_[i]
};
