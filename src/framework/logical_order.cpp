#include "framework/logical_order.h"

#include <windows.h>
#include <shlwapi.h>

#include <algorithm>
#include <numeric>
#include <string>

namespace {

// A key is a row of 16-bit units compared one by one: a name's group, then for each character its rank,
// and for each run of digits kDigitRun, the count of its digits without leading zeros and those digits.
// The end of a key sorts first, then digit runs, then every other character: StrCmpLogicalW puts a
// name before its longer forms and a digit before any other character.
constexpr wchar_t kFirstGroup = 1, kOtherGroup = 2;
constexpr wchar_t kDigitRun = 1;
constexpr wchar_t kFirstRank = 2;

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

int CompareCharacters(wchar_t a, wchar_t b)
{
    const wchar_t left[] = {a, L'\0'}, right[] = {b, L'\0'};
    return StrCmpLogicalW(left, right);
}

// The rank of every character that occurs outside a digit run, by the platform's own comparison of
// single characters; characters it holds equal ("a" and "A") share their rank. A few hundred
// comparisons for any folder.
std::vector<wchar_t> RankCharacters(std::span<const NameToSort> names)
{
    std::vector<bool> seen(0x10000, false);
    std::vector<wchar_t> characters;
    for (const NameToSort& entry : names) {
        for (const wchar_t c : entry.shown) {
            if (IsDigit(c) || seen[c]) continue;
            seen[c] = true;
            characters.push_back(c);
        }
    }
    std::sort(characters.begin(), characters.end(),
              [](wchar_t a, wchar_t b) { return CompareCharacters(a, b) < 0; });
    std::vector<wchar_t> ranks(0x10000, 0);
    wchar_t rank = kFirstRank;
    for (size_t i = 0; i < characters.size(); ++i) {
        if (i > 0 && CompareCharacters(characters[i - 1], characters[i]) != 0) ++rank;
        ranks[characters[i]] = rank;
    }
    return ranks;
}

void AppendKey(const NameToSort& entry, const std::vector<wchar_t>& ranks, std::wstring& keys)
{
    keys.push_back(entry.first ? kFirstGroup : kOtherGroup);
    const std::wstring_view name = entry.shown;
    for (size_t i = 0; i < name.size();) {
        if (!IsDigit(name[i])) {
            keys.push_back(ranks[name[i++]]);
            continue;
        }
        size_t end = i;
        while (end < name.size() && IsDigit(name[end])) ++end;
        size_t start = i;
        while (start < end && name[start] == L'0') ++start;  // "007" is 7
        keys.push_back(kDigitRun);
        keys.push_back(static_cast<wchar_t>(end - start));  // more digits, a greater value
        keys.append(name.substr(start, end - start));
        i = end;
    }
}

}  // namespace

std::vector<uint32_t> LogicalOrder(std::span<const NameToSort> names)
{
    const std::vector<wchar_t> ranks = RankCharacters(names);
    std::wstring keys;
    std::vector<uint32_t> starts;
    starts.reserve(names.size() + 1);
    for (const NameToSort& entry : names) {
        starts.push_back(static_cast<uint32_t>(keys.size()));
        AppendKey(entry, ranks, keys);
    }
    starts.push_back(static_cast<uint32_t>(keys.size()));

    const auto key = [&](uint32_t i) { return std::wstring_view(keys).substr(starts[i], starts[i + 1] - starts[i]); };
    std::vector<uint32_t> order(names.size());
    std::iota(order.begin(), order.end(), 0u);
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        if (const int byKey = key(a).compare(key(b)); byKey != 0) return byKey < 0;
        if (const int byShown = names[a].shown.compare(names[b].shown); byShown != 0) return byShown < 0;
        return names[a].name < names[b].name;
    });
    return order;
}
