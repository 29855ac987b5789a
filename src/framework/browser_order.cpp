#include "framework/browser_order.h"

#include <windows.h>

#include <algorithm>
#include <numeric>
#include <unordered_map>

#include "framework/number_halves.h"

namespace {

// Each distinct type text's place among them, texts equal but for letter case sharing one: a handful of
// texts to compare in any folder, instead of one comparison of texts per pair of rows.
std::vector<uint64_t> TypeRanks(size_t count, const std::function<std::wstring_view(size_t row)>& typeText)
{
    std::vector<std::wstring_view> texts(count);
    std::unordered_map<std::wstring_view, uint64_t> ranks;
    for (size_t row = 0; row < count; ++row) ranks.emplace(texts[row] = typeText(row), 0);
    std::vector<std::wstring_view> distinct;
    distinct.reserve(ranks.size());
    for (const auto& entry : ranks) distinct.push_back(entry.first);
    const auto compare = [](std::wstring_view a, std::wstring_view b) {
        return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                              static_cast<int>(b.size()));
    };
    std::sort(distinct.begin(), distinct.end(), [&](auto a, auto b) { return compare(a, b) == CSTR_LESS_THAN; });
    uint64_t rank = 0;
    for (size_t i = 0; i < distinct.size(); ++i) {
        if (i > 0 && compare(distinct[i - 1], distinct[i]) != CSTR_EQUAL) ++rank;
        ranks[distinct[i]] = rank;
    }
    std::vector<uint64_t> keys(count);
    for (size_t row = 0; row < count; ++row) keys[row] = ranks[texts[row]];
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
