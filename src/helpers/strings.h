#pragma once
// Small text helpers over UTF-16. Positions and lengths count UTF-16 code units;
// case folding touches the ASCII letters only, as the C runtime does in the C locale.
#include <cstdint>
#include <vector>

#include "framework/strings.h"

CString ToLowerAscii(const CString& text);
CString ToUpperAscii(const CString& text);
CString TrimWhiteSpace(const CString& text);       // iswspace at both ends
CString TrimRightWhiteSpace(const CString& text);  // iswspace at the right end

bool ContainsString(const std::vector<CString>& list, const CString& text);
bool ContainsStringNoCase(const std::vector<CString>& list, const CString& text);
bool EqualsNoCase(const CString& a, const CString& b);
CStringA ToAnsiString(const CString& text);

int32_t CountOccurrences(const CString& text, const CString& needle);
// Writes at most `capacity` pieces; pieces beyond it are dropped.
int32_t SplitToArray(CString* pieces, int32_t capacity, bool trim, const CString& separator, const CString& text);
int32_t SplitToVector(std::vector<CString>& pieces, bool trim, const CString& separator, const CString& text);

CString CapitalizeWords(const CString& text);
CString RemoveBlanks(const CString& text);
CString ReplaceInvalidFileNameChars(const CString& text, const CString& replacement);

CString Int64ToString(int64_t value);
CString PadNumber(int64_t value, int32_t width);
bool EndsWithBackslash(const CString& text);
bool StartsWithAt(const CString& text);
