#pragma once
// The order in which the shell lists names: StrCmpLogicalW's, letter case ignored and each run of
// digits compared by its value ("Disc 2" before "disc 10"), with a key built once per name so that
// sorting a large folder makes no call into the platform per comparison.
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

struct NameToSort {
    std::wstring_view shown;  // what is compared
    std::wstring_view name;   // decides between names that compare equal ("01" and "1"), so the order is fixed
    bool first = false;       // sorts before every name that is not (folders before files)
};

// The positions of the names in sorted order.
std::vector<uint32_t> LogicalOrder(std::span<const NameToSort> names);
