#include "helpers/strings.h"

#include <windows.h>

#include <cwctype>

CString ToLowerAscii(std::wstring_view text)
{
    CString result(text);
    for (wchar_t& c : result) c = LowerAscii(c);
    return result;
}

CString ToUpperAscii(std::wstring_view text)
{
    CString result(text);
    for (wchar_t& c : result)
        if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - (L'a' - L'A'));
    return result;
}

CString TrimRightWhiteSpace(std::wstring_view text)
{
    while (!text.empty() && iswspace(text.back())) text.remove_suffix(1);
    return CString(text);
}

CString TrimWhiteSpace(std::wstring_view text)
{
    return CString(TrimWhiteSpaceView(text));
}

std::wstring_view TrimWhiteSpaceView(std::wstring_view text)
{
    while (!text.empty() && iswspace(text.front())) text.remove_prefix(1);
    while (!text.empty() && iswspace(text.back())) text.remove_suffix(1);
    return text;
}

CString UpperCasedAsFileSystem(CString text)
{
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

bool ContainsStringNoCase(const std::vector<CString>& list, const CString& text)
{
    for (const CString& element : list)
        if (EqualsNoCase(element, text)) return true;
    return false;
}

bool EqualsNoCase(std::wstring_view a, std::wstring_view b)
{
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

CStringA ToAnsiString(const CString& text)
{
    if (text.empty()) return {};
    const int length = static_cast<int>(text.size());
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    CStringA result(static_cast<size_t>(bytes > 0 ? bytes : 0), '\0');
    if (bytes > 0) WideCharToMultiByte(CP_ACP, 0, text.data(), length, result.data(), bytes, nullptr, nullptr);
    return result;
}

int32_t CountOccurrences(const CString& text, const CString& needle)
{
    if (text.empty() || needle.empty()) return 0;
    int32_t count = 0;
    for (size_t at = text.find(needle); at != CString::npos; at = text.find(needle, at + needle.size()))
        ++count;
    return count;
}

namespace {

// The loop both splits share: pieces are cut while the rest is longer than the separator,
// then the rest is taken whole (even when it is the separator itself).
// The rest is a view that moves forward, so a long text is split in one pass.
template <typename TakePiece>
CString CutPieces(const CString& separator, const CString& text, TakePiece take)
{
    std::wstring_view rest = text;
    while (!separator.empty() && rest.size() > separator.size()) {
        const size_t at = rest.find(separator);
        if (at == std::wstring_view::npos) break;
        take(CString(rest.substr(0, at)));
        rest.remove_prefix(at + separator.size());
    }
    return CString(rest);
}

}  // namespace

int32_t SplitToArray(CString* pieces, int32_t capacity, bool trim, const CString& separator, const CString& text)
{
    int32_t count = 0;
    auto store = [&](CString piece) {
        if (count < capacity) pieces[count++] = std::move(piece);
    };
    CString rest = CutPieces(separator, text, store);
    if (trim) rest = TrimWhiteSpace(rest);
    if (!rest.empty()) store(std::move(rest));
    return count;
}

int32_t SplitToVector(std::vector<CString>& pieces, bool trim, const CString& separator, const CString& text)
{
    const size_t before = pieces.size();
    CString rest = CutPieces(separator, text, [&](CString piece) {
        pieces.push_back(trim ? TrimWhiteSpace(piece) : std::move(piece));
    });
    if (trim) rest = TrimWhiteSpace(rest);
    if (!rest.empty()) pieces.push_back(std::move(rest));
    return static_cast<int32_t>(pieces.size() - before);
}

CString CapitalizeWords(std::wstring_view text)
{
    CString result;
    result.reserve(text.size());
    bool inWord = false;
    for (wchar_t c : text) {
        if (c == L' ') {
            result += c;
            inWord = false;
        } else if (!inWord) {
            result += ToUpperAscii(CString(1, c));
            inWord = true;
        } else {
            result += ToLowerAscii(CString(1, c));
        }
    }
    return result;
}

CString RemoveBlanks(std::wstring_view text)
{
    std::vector<CString> pieces;
    SplitToVector(pieces, false, L" ", CString(text));
    CString result;
    for (const CString& piece : pieces) result += TrimWhiteSpace(piece);
    return result;
}

CString ReplaceInvalidFileNameChars(const CString& text, const CString& replacement)
{
    CString result = text;
    for (wchar_t invalid : CString(L"\\/:*?<>|")) {
        CString replaced;
        for (wchar_t c : result) {
            if (c == invalid) replaced += replacement;
            else replaced += c;
        }
        result = std::move(replaced);
    }
    return result;
}

CString Int64ToString(int64_t value)
{
    return std::to_wstring(value);
}

CString CountToString(size_t count)
{
    return Int64ToString(static_cast<int64_t>(count));
}

CString PadNumber(int64_t value, int32_t width)
{
    CString digits = Int64ToString(value);
    if (width > 0 && digits.size() < static_cast<size_t>(width))
        digits.insert(0, static_cast<size_t>(width) - digits.size(), L'0');
    return digits;
}

bool EndsWithBackslash(const CString& text)
{
    return !text.empty() && text.back() == L'\\';
}

bool StartsWithAt(const CString& text)
{
    return !text.empty() && text.front() == L'@';
}
