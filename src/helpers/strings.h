#pragma once
// Small text helpers over UTF-16. Positions and lengths count UTF-16 code units;
// case folding touches the ASCII letters only, as the C runtime does in the C locale.
#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/strings.h"

// The unit with A to Z lower-cased; every other unit as it is.
constexpr wchar_t LowerAscii(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

CString ToLowerAscii(std::wstring_view text);
CString ToUpperAscii(std::wstring_view text);
CString TrimWhiteSpace(std::wstring_view text);       // iswspace at both ends
std::wstring_view TrimWhiteSpaceView(std::wstring_view text);  // the same, as a part of the text
CString TrimRightWhiteSpace(std::wstring_view text);  // iswspace at the right end

// Upper-cased as the file system folds names, beyond ASCII ("Ä" and "ä" name one file).
CString UpperCasedAsFileSystem(CString text);

bool ContainsStringNoCase(const std::vector<CString>& list, const CString& text);
bool EqualsNoCase(std::wstring_view a, std::wstring_view b);
CStringA ToAnsiString(const CString& text);

int32_t CountOccurrences(const CString& text, const CString& needle);
// Writes at most `capacity` pieces; pieces beyond it are dropped.
int32_t SplitToArray(CString* pieces, int32_t capacity, bool trim, const CString& separator, const CString& text);
int32_t SplitToVector(std::vector<CString>& pieces, bool trim, const CString& separator, const CString& text);

CString CapitalizeWords(std::wstring_view text);
CString RemoveBlanks(std::wstring_view text);
CString ReplaceInvalidFileNameChars(const CString& text, const CString& replacement);

CString Int64ToString(int64_t value);
CString CountToString(size_t count);  // a number of things, or a place counted from 1, in decimal
CString PadNumber(int64_t value, int32_t width);
bool EndsWithBackslash(const CString& text);
bool StartsWithAt(const CString& text);
