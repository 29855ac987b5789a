#pragma once
// One folder's items as the built-in browser shows them, stored folders first and then by name; the
// order on screen is the browser's own, kept apart. Each item is a row of plain data and all names
// share one buffer, so a folder of 100,000 songs takes only a few allocations.
#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/com.h"
#include "framework/file_types.h"

struct BrowserRow {
    uint32_t nameStart = 0;
    uint16_t nameLength = 0;
    uint16_t shownLength = 0;  // the name as shown: without its extension where the shell leaves it out
    uint32_t type = FileTypes::kFolder;
    bool folder = false;
    bool hasFileData = false;  // size and time below are known
    uint64_t size = 0;
    FILETIME modified = {};
};

class BrowserRows {
public:
    size_t Count() const { return items_.size(); }
    const BrowserRow& Item(size_t row) const { return items_[row]; }
    // The file-system name (a file's path is its folder's path + "\" + this).
    std::wstring_view Name(size_t row) const { return {names_.data() + items_[row].nameStart, items_[row].nameLength}; }
    std::wstring_view ShownName(size_t row) const
    {
        return {names_.data() + items_[row].nameStart, items_[row].shownLength};
    }
    FileTypes& Types() { return types_; }
    // The shell's item of the row in a listing by the shell (the desktop, virtual folders); null otherwise.
    PCIDLIST_ABSOLUTE ShellItem(size_t row) const { return shellItems_.empty() ? nullptr : shellItems_[row].get(); }

    // A file or folder found in the file system; its extension is left out of the shown name as the shell does.
    void AddFound(const WIN32_FIND_DATAW& found);
    // An item that the shell listed, with the name it shows; find data where the shell has them.
    void AddShellItem(unique_pidl item, std::wstring_view shown, bool folder, const WIN32_FIND_DATAW* found);
    // Folders first, then the names in the shell's logical order.
    void Sort();

private:
    BrowserRow& Append(std::wstring_view name, bool folder);

    std::vector<BrowserRow> items_;
    std::wstring names_;
    FileTypes types_;
    std::vector<unique_pidl> shellItems_;  // one per row, in listings by the shell only
};
