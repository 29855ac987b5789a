#pragma once
// The bytes of the program's text files, to and from UTF-16 text.
#include <functional>
#include <optional>
#include <string_view>

#include "framework/strings.h"

// Builds the bytes of a text file piece by piece. Every "\n" becomes CR LF. A text of units up to
// U+00FF gives one byte per unit and no mark; a text with any unit above, or one that would begin
// with the bytes of a mark (EF BB BF or FF FE, which a reader would take for one), is written whole
// as UTF-8 after the mark EF BB BF. So every text reads back unchanged.
class TextEncoder {
public:
    void Append(std::wstring_view text);
    void AppendLine(std::wstring_view line)
    {
        Append(line);
        Append(L"\n");
    }
    // Room for that many bytes of the one-byte form, so that a long text grows into its buffer once.
    void Reserve(size_t bytes) { bytes_.reserve(bytes); }
    // The bytes; empty when the text holds an unpaired surrogate, which no file form can carry.
    std::optional<CStringA> Finish();

private:
    void SwitchToUtf8();
    bool AppendUtf8Unit(wchar_t unit);

    CStringA bytes_;
    bool utf8_ = false;
    bool failed_ = false;
    wchar_t pendingHigh_ = 0;  // a high surrogate waiting for its low half
};

std::optional<CStringA> EncodeText(std::wstring_view text);

// A leading EF BB BF means UTF-8 and FF FE UTF-16 LE (the mark is not part of the text); any other
// bytes are one unit each, of the same value. Then as the C runtime's text mode: the first 0x1A ends
// the text, CR LF ends a line, a lone CR is a character; a last line without LF counts only when not
// empty. Each line is handed over as it is decoded (the view lives until the next line), so no copy
// of the whole text is made. False when the marked bytes are not valid UTF-8 or UTF-16 (an odd byte,
// an unpaired surrogate); lines before the fault may have been handed over.
bool DecodeLines(std::string_view bytes, const std::function<void(std::wstring_view line)>& onLine);

// FE FF: UTF-16 big-endian, which the settings reader refuses.
bool StartsWithBigEndianMark(std::string_view bytes);
