#include "framework/browser_columns.h"

#include <commctrl.h>
#include <shlwapi.h>

#include <iterator>

namespace {

int ScreenDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

void AddBrowserColumns(HWND list)
{
    const struct { const wchar_t* title; int width; int format; } columns[kBrowserColumns] = {
        {L"Name", 240, LVCFMT_LEFT}, {L"Size", 80, LVCFMT_RIGHT},
        {L"Type", 140, LVCFMT_LEFT}, {L"Date modified", 130, LVCFMT_LEFT},
    };
    const int dpi = ScreenDpi();
    for (int i = 0; i < kBrowserColumns; ++i) {
        LVCOLUMNW column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = columns[i].format;
        column.cx = MulDiv(columns[i].width, dpi, 96);
        column.pszText = const_cast<wchar_t*>(columns[i].title);
        column.iSubItem = i;
        SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void ShowSortArrow(HWND list, SortOrder order)
{
    const HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    if (!header) return;
    for (int i = 0; i < kBrowserColumns; ++i) {
        HDITEMW item = {};
        item.mask = HDI_FORMAT;
        if (!SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item))) continue;
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (i == static_cast<int>(order.column)) item.fmt |= order.ascending ? HDF_SORTUP : HDF_SORTDOWN;
        SendMessageW(header, HDM_SETITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
}

CString FormatSize(uint64_t size)
{
    wchar_t text[64] = {};
    return StrFormatKBSizeW(static_cast<LONGLONG>(size), text, static_cast<UINT>(std::size(text))) ? text : L"";
}

CString FormatTime(const FILETIME& stamp)
{
    SYSTEMTIME universal = {}, local = {};
    if ((stamp.dwHighDateTime == 0 && stamp.dwLowDateTime == 0) || !FileTimeToSystemTime(&stamp, &universal) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local)) {
        return {};
    }
    wchar_t date[80] = {}, time[80] = {};
    if (!GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, date, std::size(date)) ||
        !GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &local, nullptr, time, std::size(time))) {
        return {};
    }
    return CString(date) + L" " + time;
}
