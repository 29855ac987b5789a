#include "framework/browser_order.h"

#include <windows.h>

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "framework/number_halves.h"

namespace {

// Each distinct type text's place among them, texts equal but for letter case sharing one: one look-up
// per row and a handful of texts to compare, instead of one comparison of texts per pair of rows.
std::vector<uint64_t> TypeRanks(size_t count, const std::function<std::wstring_view(size_t row)>& typeText)
{
    std::unordered_map<std::wstring_view, uint32_t> slots;
    std::vector<std::wstring_view> distinct;
    std::vector<uint32_t> slotOf(count);
    for (size_t row = 0; row < count; ++row) {
        const auto [slot, added] = slots.emplace(typeText(row), static_cast<uint32_t>(distinct.size()));
        if (added) distinct.push_back(slot->first);
        slotOf[row] = slot->second;
    }
    const auto compare = [&](uint32_t a, uint32_t b) {
        const std::wstring_view left = distinct[a], right = distinct[b];
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, left.data(), static_cast<int>(left.size()),
                              right.data(), static_cast<int>(right.size()));
    };
    std::vector<uint32_t> byText(distinct.size());
    std::iota(byText.begin(), byText.end(), 0u);
    std::sort(byText.begin(), byText.end(), [&](uint32_t a, uint32_t b) { return compare(a, b) == CSTR_LESS_THAN; });
    std::vector<uint64_t> rankOf(distinct.size());
    for (size_t i = 1; i < byText.size(); ++i)
        rankOf[byText[i]] = rankOf[byText[i - 1]] + (compare(byText[i - 1], byText[i]) != CSTR_EQUAL);
    std::vector<uint64_t> keys(count);
    for (size_t row = 0; row < count; ++row) keys[row] = rankOf[slotOf[row]];
    return keys;
}

std::vector<uint64_t> Keys(const BrowserRows& rows, BrowserColumn column,
                           const std::function<std::wstring_view(size_t row)>& typeText)
{
    if (column == BrowserColumn::Type) return TypeRanks(rows.Count(), typeText);
    std::vector<uint64_t> keys(rows.Count());
    for (size_t row = 0; row < keys.size(); ++row) {
        const BrowserRow& item = rows.Item(row);
        keys[row] = column == BrowserColumn::Size ? item.size : JoinHalves(item.modified);
    }
    return keys;
}

}  // namespace

std::vector<uint32_t> ShownOrder(const BrowserRows& rows, SortOrder order,
                                 const std::function<std::wstring_view(size_t row)>& typeText)
{
    std::vector<uint32_t> shown(rows.Count());
    std::iota(shown.begin(), shown.end(), 0u);
    if (order.column != BrowserColumn::Name) {
        struct Entry {
            bool file;
            uint64_t key;
            uint32_t row;  // the rows are in name order: the row's place breaks ties by name
            auto operator<=>(const Entry&) const = default;
        };
        const std::vector<uint64_t> keys = Keys(rows, order.column, typeText);
        std::vector<Entry> entries(shown.size());
        for (uint32_t row = 0; row < entries.size(); ++row) entries[row] = {!rows.Item(row).folder, keys[row], row};
        std::sort(entries.begin(), entries.end());
        for (size_t i = 0; i < entries.size(); ++i) shown[i] = entries[i].row;
    }
    if (!order.ascending) std::reverse(shown.begin(), shown.end());
    return shown;
}
