#pragma once
// The bytes of the program's text files, to and from UTF-16 text.
#include <optional>
#include <string_view>
#include <vector>

#include "framework/strings.h"

// Every "\n" becomes CR LF. A text of units up to U+00FF gives one byte per unit and no mark;
// any unit above gives the whole text as UTF-8 after the mark EF BB BF.
// Empty when the text holds an unpaired surrogate, which no file form can carry.
std::optional<CStringA> EncodeText(const CString& text);

// A leading EF BB BF means UTF-8 and FF FE UTF-16 LE (the mark is not part of the text); any other
// bytes are one unit each, of the same value. Then as the C runtime's text mode: the first 0x1A ends
// the text, CR LF ends a line, a lone CR is a character; a last line without LF counts only when not empty.
// Empty when the marked bytes are not valid UTF-8 or not whole UTF-16 units.
std::optional<std::vector<CString>> DecodeLines(std::string_view bytes);

// FE FF: UTF-16 big-endian, which the settings reader refuses.
bool StartsWithBigEndianMark(std::string_view bytes);
