#include "helpers/timestamps.h"

#include "helpers/strings.h"

namespace {

bool g_clockFixed = false;
SYSTEMTIME g_fixedClock{};

SYSTEMTIME ReadLocalClock()
{
    if (g_clockFixed) return g_fixedClock;
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now;
}

constexpr size_t kStampLength = 19;

// Two ASCII digits at `at` whose value lies in [low, high].
bool TwoDigitsInRange(const CString& text, size_t at, int low, int high)
{
    const wchar_t tens = text[at], ones = text[at + 1];
    if (tens < L'0' || tens > L'9' || ones < L'0' || ones > L'9') return false;
    const int value = (tens - L'0') * 10 + (ones - L'0');
    return value >= low && value <= high;
}

// The four digits of the year were matched by the search; the rest is checked here.
bool IsStampAt(const CString& name, size_t at)
{
    return name[at + 4] == L'-' && name[at + 7] == L'-' && name[at + 10] == L'_' &&
           name[at + 13] == L'.' && name[at + 16] == L'.' &&
           TwoDigitsInRange(name, at + 5, 1, 12) && TwoDigitsInRange(name, at + 8, 1, 31) &&
           TwoDigitsInRange(name, at + 11, 0, 23) && TwoDigitsInRange(name, at + 14, 0, 59) &&
           TwoDigitsInRange(name, at + 17, 0, 59);
}

}  // namespace

void SetLocalClockForTests(const SYSTEMTIME* fixed)
{
    g_clockFixed = fixed != nullptr;
    g_fixedClock = fixed ? *fixed : SYSTEMTIME{};
}

CString MakeTimestamp()
{
    const SYSTEMTIME now = ReadLocalClock();
    return PadNumber(now.wYear, 4) + L"-" + PadNumber(now.wMonth, 2) + L"-" + PadNumber(now.wDay, 2) + L"_" +
           PadNumber(now.wHour, 2) + L"." + PadNumber(now.wMinute, 2) + L"." + PadNumber(now.wSecond, 2);
}

TimestampSplit SplitOffTimestamp(const CString& name)
{
    // Years before positions: of two stamps, the smaller year wins, whatever their order.
    for (int year = 2023; year <= 2122; ++year) {
        const CString digits = Int64ToString(year);
        for (size_t at = name.find(digits); at != CString::npos; at = name.find(digits, at + 1)) {
            if (name.size() - at < kStampLength) break;
            if (IsStampAt(name, at))
                return {name.substr(at, kStampLength),
                        TrimWhiteSpace(name.substr(0, at) + name.substr(at + kStampLength))};
        }
    }
    return {CString(), name};
}
