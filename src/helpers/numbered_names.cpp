#include "helpers/numbered_names.h"

#include <cwchar>

#include "helpers/paths.h"
#include "helpers/strings.h"

namespace {

bool AllDigits(std::wstring_view text)
{
    return text.find_first_not_of(L"0123456789") == std::wstring_view::npos;
}

// As _wtoi reads (leading white space, a sign, the leading digits; 0 without digits),
// but in 64 bits and clamped at the limits instead of overflowing.
int64_t ReadNumber(const CString& text)
{
    return std::wcstoll(text.c_str(), nullptr, 10);
}

}  // namespace

int32_t IsNumberedName(std::wstring_view name)
{
    const size_t dot = name.rfind(L'.');
    if (dot == std::wstring_view::npos) return -1;
    const size_t hash = name.rfind(L'#', dot);
    if (hash == std::wstring_view::npos) return -1;
    if (!AllDigits(name.substr(hash + 1, dot - hash - 1))) return 0;
    return static_cast<int32_t>(hash);
}

int64_t GetNameNumber(NumberedName numbered)
{
    if (numbered.markerPos < 0 || static_cast<size_t>(numbered.markerPos) >= numbered.name.size()) return 0;
    const CString after = numbered.name.substr(static_cast<size_t>(numbered.markerPos) + 1);
    const size_t dot = after.rfind(L'.');
    if (dot == CString::npos) return 0;
    return ReadNumber(after.substr(0, dot));
}

CString CutNameKeepExtension(NumberedName numbered)
{
    if (numbered.markerPos < 0) return {};
    return numbered.name.substr(0, static_cast<size_t>(numbered.markerPos)) + GetExtension(numbered.name);
}

CString StripNameNumber(const CString& name)
{
    const int32_t marker = IsNumberedName(name);
    if (marker < 0) return {};
    return name.substr(0, static_cast<size_t>(marker)) + GetExtension(name);
}

CString NextNumberedName(const CString& name)
{
    const size_t dot = name.rfind(L'.');
    if (dot == CString::npos) return {};
    const CString stem = name.substr(0, dot);
    const CString ext = name.substr(dot + 1);
    const int32_t markers = CountOccurrences(stem, L"#");
    const size_t hash = stem.rfind(L'#');
    if (markers == 0) return stem + L"#1." + ext;
    const CString tail = stem.substr(hash + 1);
    if (markers == 1 && !AllDigits(tail)) return stem + L"#1." + ext;
    const int64_t number = ReadNumber(tail);
    if (tail.empty() || number < 1) return stem.substr(0, hash) + L"#1." + ext;
    // A number at the 64-bit limit cannot count up: a new marker keeps the candidates new.
    if (number == INT64_MAX) return stem + L"#1." + ext;
    return stem.substr(0, hash) + L"#" + Int64ToString(number + 1) + L"." + ext;
}

