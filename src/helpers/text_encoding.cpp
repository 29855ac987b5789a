#include "helpers/text_encoding.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr wchar_t kEndOfText = 0x1A;

bool IsHighSurrogate(uint32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(uint32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(CStringA& bytes, uint32_t code)
{
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The units up to the first 0x1A, where the C runtime's text mode ends the text. Never more units
// than bytes, so the text is sized once.
class TextUnits {
public:
    explicit TextUnits(size_t capacity) : text_(capacity, L'\0') {}
    // False once the text has ended; nothing after it is looked at.
    bool Add(wchar_t unit)
    {
        if (unit == kEndOfText) return false;
        text_[size_++] = unit;
        return true;
    }
    CString& Text()
    {
        text_.resize(size_);
        return text_;
    }

private:
    CString text_;
    size_t size_ = 0;
};

// Strict UTF-8: no overlong forms, no encoded surrogates, nothing above U+10FFFF, no cut sequence.
bool DecodeUtf8(std::string_view bytes, TextUnits& units)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        const unsigned lead = *p++;
        if (lead < 0x80) {
            if (!units.Add(static_cast<wchar_t>(lead))) return true;
            continue;
        }
        int more;
        uint32_t code;
        unsigned low = 0x80, high = 0xBF;  // allowed range of the first continuation byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1, code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2, code = lead & 0x0F;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3, code = lead & 0x07;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (end - p < more || *p < low || *p > high) return false;
        for (int i = 0; i < more; ++i, ++p) {
            if ((*p & 0xC0) != 0x80) return false;
            code = (code << 6) | (*p & 0x3F);
        }
        if (code < 0x10000) {
            units.Add(static_cast<wchar_t>(code));
        } else {
            code -= 0x10000;
            units.Add(static_cast<wchar_t>(0xD800 + (code >> 10)));
            units.Add(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
        }
    }
    return true;
}

bool DecodeUtf16Le(std::string_view bytes, TextUnits& units)
{
    if (bytes.size() % 2 != 0) return false;
    for (size_t i = 0; i < bytes.size(); i += 2) {
        const auto unit = static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                               static_cast<unsigned char>(bytes[i + 1]) << 8);
        if (!units.Add(unit)) break;
    }
    return true;
}

void DecodeOneBytePerUnit(std::string_view bytes, TextUnits& units)
{
    for (char byte : bytes)
        if (!units.Add(static_cast<wchar_t>(static_cast<unsigned char>(byte)))) break;
}

// As the C runtime's text mode delivers lines: CR LF ends a line as LF does, a lone CR is a character,
// and the piece after the last LF is a line only when it is not empty.
std::vector<CString> SplitLines(const CString& text)
{
    std::vector<CString> lines;
    lines.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), L'\n')) + 1);
    size_t start = 0;
    for (size_t feed = text.find(L'\n'); feed != CString::npos; feed = text.find(L'\n', start)) {
        const size_t end = feed > start && text[feed - 1] == L'\r' ? feed - 1 : feed;
        lines.emplace_back(text, start, end - start);
        start = feed + 1;
    }
    if (start < text.size()) lines.emplace_back(text, start);
    return lines;
}

}  // namespace

std::optional<CStringA> EncodeText(const CString& text)
{
    const size_t breaks = static_cast<size_t>(std::count(text.begin(), text.end(), L'\n'));
    CStringA bytes;
    if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c <= 0xFF; })) {
        bytes.reserve(text.size() + breaks);
        for (wchar_t c : text) {
            if (c == L'\n') bytes += '\r';
            bytes += static_cast<char>(c);
        }
        return bytes;
    }
    bytes.reserve(kUtf8Mark.size() + text.size() * 3 + breaks);
    bytes += kUtf8Mark;
    for (size_t i = 0; i < text.size(); ++i) {
        const uint32_t unit = text[i];
        if (unit == L'\n') {
            bytes += "\r\n";
        } else if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            AppendUtf8(bytes, 0x10000 + ((unit - 0xD800) << 10) + (text[++i] - 0xDC00u));
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            return std::nullopt;
        } else {
            AppendUtf8(bytes, unit);
        }
    }
    return bytes;
}

std::optional<std::vector<CString>> DecodeLines(std::string_view bytes)
{
    TextUnits units(bytes.size());
    if (bytes.starts_with(kUtf8Mark)) {
        if (!DecodeUtf8(bytes.substr(kUtf8Mark.size()), units)) return std::nullopt;
    } else if (bytes.starts_with(kUtf16LeMark)) {
        if (!DecodeUtf16Le(bytes.substr(kUtf16LeMark.size()), units)) return std::nullopt;
    } else {
        DecodeOneBytePerUnit(bytes, units);
    }
    return SplitLines(units.Text());
}

bool StartsWithBigEndianMark(std::string_view bytes)
{
    return bytes.starts_with("\xFE\xFF");
}
