#pragma once
// The browser's four columns: their headings, the texts of their cells and the header's sort arrow.
#include <windows.h>

#include <cstdint>

#include "framework/strings.h"

// The columns from left to right, as the list numbers them.
enum class BrowserColumn { Name, Size, Type, Modified };
constexpr int kBrowserColumns = 4;

// Which column the rows are sorted by, and which way.
struct SortOrder {
    BrowserColumn column = BrowserColumn::Name;
    bool ascending = true;
};

void AddBrowserColumns(HWND list);
// The platform's arrow on the sorted column's heading, none on the others.
void ShowSortArrow(HWND list, SortOrder order);

// A file's size as the shell shows it ("1 KB").
CString FormatSize(uint64_t size);
// Local date and time in the user's short formats, without seconds; empty for no time.
CString FormatTime(const FILETIME& stamp);
