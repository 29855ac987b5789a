#include "framework/browser_rows.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

#include "framework/logical_order.h"
#include "framework/number_halves.h"

BrowserRow& BrowserRows::Append(std::wstring_view name, bool folder)
{
    BrowserRow& item = items_.emplace_back();
    item.nameStart = static_cast<uint32_t>(names_.size());
    item.nameLength = item.shownLength = static_cast<uint16_t>(std::min<size_t>(name.size(), UINT16_MAX));
    item.folder = folder;
    names_.append(name.substr(0, item.nameLength));
    return item;
}

void BrowserRows::AddFound(const WIN32_FIND_DATAW& found)
{
    const std::wstring_view name(found.cFileName, wcsnlen(found.cFileName, std::size(found.cFileName)));
    BrowserRow& item = Append(name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    item.hasFileData = true;
    item.modified = found.ftLastWriteTime;
    if (item.folder) return;
    item.size = JoinHalves(found.nFileSizeHigh, found.nFileSizeLow);
    const std::wstring_view extension = ExtensionOf(name);
    item.type = types_.Find(extension);
    // A name that is all extension keeps it, or nothing would be shown.
    if (types_.HidesExtension(item.type) && extension.size() < name.size()) {
        item.shownLength = static_cast<uint16_t>(item.nameLength - extension.size());
    }
}

void BrowserRows::AddShellItem(unique_pidl shellItem, std::wstring_view shown, bool folder,
                                 const WIN32_FIND_DATAW* found)
{
    BrowserRow& item = Append(shown, folder);
    if (found) {
        item.hasFileData = true;
        item.modified = found->ftLastWriteTime;
        if (!folder) item.size = JoinHalves(found->nFileSizeHigh, found->nFileSizeLow);
    }
    shellItems_.push_back(std::move(shellItem));
}

void BrowserRows::Sort()
{
    std::vector<NameToSort> names(items_.size());
    for (size_t row = 0; row < items_.size(); ++row) names[row] = {ShownName(row), Name(row), items_[row].folder};
    const std::vector<uint32_t> order = LogicalOrder(names);
    names = {};

    std::vector<BrowserRow> sorted;
    sorted.reserve(items_.size());
    for (const uint32_t row : order) sorted.push_back(items_[row]);
    items_ = std::move(sorted);
    if (shellItems_.empty()) return;
    std::vector<unique_pidl> sortedItems;
    sortedItems.reserve(shellItems_.size());
    for (const uint32_t row : order) sortedItems.push_back(std::move(shellItems_[row]));
    shellItems_ = std::move(sortedItems);
}
