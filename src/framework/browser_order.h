#pragma once
// The order in which the browser shows one folder's rows, by the column whose header was clicked: an
// index over the rows sorted by keys built once, so that a header click never lists the folder again.
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "framework/browser_columns.h"
#include "framework/browser_rows.h"

// The rows in the order shown: folders before files, then by the column (the names' logical order, the
// size in bytes, the type text with letter case ignored, the time of the last change), ties by name; a
// descending order is the whole ascending one reversed. The rows must be in name order (as
// BrowserRows::Sort leaves them); typeText gives a row's type text and is asked only to sort by type.
std::vector<uint32_t> ShownOrder(const BrowserRows& rows, SortOrder order,
                                 const std::function<std::wstring_view(size_t row)>& typeText);
