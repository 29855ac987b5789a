#pragma once
// The order in which the browser lists names. Two names are compared from their first character on:
//  - a run of the digits 0-9 is one number, compared by its value at any length, leading zeros left out
//    ("Disc 2" before "disc 10", "7" beside "007", 2^32 before 2^32 + 1);
//  - a number comes before any other character ("a1" before "a-1"), and a name before its longer forms;
//  - any other character counts by its rank alone, as the platform ranks single characters for a
//    logical comparison: letter case ignored, "a" and "A" of one rank, other digits than 0-9 included.
// Names that are equal so are ordered by their text, then by their file-system names, so the order is
// fixed. This is the shell's logical order as Wine compares; Windows' own views compare linguistically
// and may place punctuation otherwise. A key is built once per name, so that sorting a large folder
// makes no call into the platform per comparison.
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
