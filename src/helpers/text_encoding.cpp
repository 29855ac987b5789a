#include "helpers/text_encoding.h"

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

// Collects decoded units into lines: CR LF or LF ends a line, 0x1A ends the text.
class LineSplitter {
public:
    explicit LineSplitter(const std::function<void(std::wstring_view)>& onLine) : onLine_(onLine) {}
    // False once the text has ended; nothing after it is looked at.
    bool Add(wchar_t unit)
    {
        if (unit == kEndOfText) return false;
        if (unit != L'\n') {
            line_ += unit;
            return true;
        }
        if (!line_.empty() && line_.back() == L'\r') line_.pop_back();
        onLine_(line_);
        line_.clear();
        return true;
    }
    void Finish()
    {
        if (!line_.empty()) onLine_(line_);
    }

private:
    const std::function<void(std::wstring_view)>& onLine_;
    CString line_;
};

// Strict UTF-8: no overlong forms, no encoded surrogates, nothing above U+10FFFF, no cut sequence.
bool DecodeUtf8(std::string_view bytes, LineSplitter& lines)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = p + bytes.size();
    while (p < end) {
        const unsigned lead = *p++;
        if (lead < 0x80) {
            if (!lines.Add(static_cast<wchar_t>(lead))) return true;
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
            lines.Add(static_cast<wchar_t>(code));
        } else {
            code -= 0x10000;
            lines.Add(static_cast<wchar_t>(0xD800 + (code >> 10)));
            lines.Add(static_cast<wchar_t>(0xDC00 + (code & 0x3FF)));
        }
    }
    return true;
}

// Strict as well: a surrogate must come in a pair, so that what is read can be written again.
bool DecodeUtf16Le(std::string_view bytes, LineSplitter& lines)
{
    if (bytes.size() % 2 != 0) return false;
    const auto unitAt = [&](size_t i) {
        return static_cast<wchar_t>(static_cast<unsigned char>(bytes[i]) |
                                    static_cast<unsigned char>(bytes[i + 1]) << 8);
    };
    for (size_t i = 0; i < bytes.size(); i += 2) {
        const wchar_t unit = unitAt(i);
        if (IsHighSurrogate(unit)) {
            if (i + 2 >= bytes.size() || !IsLowSurrogate(unitAt(i + 2))) return false;
            lines.Add(unit);
            i += 2;
            lines.Add(unitAt(i));
            continue;
        }
        if (IsLowSurrogate(unit)) return false;
        if (!lines.Add(unit)) break;
    }
    return true;
}

void DecodeOneBytePerUnit(std::string_view bytes, LineSplitter& lines)
{
    for (char byte : bytes)
        if (!lines.Add(static_cast<wchar_t>(static_cast<unsigned char>(byte)))) break;
}

}  // namespace

void TextEncoder::Append(std::wstring_view text)
{
    for (const wchar_t unit : text) {
        if (!utf8_ && unit > 0xFF) SwitchToUtf8();
        if (utf8_) {
            if (!AppendUtf8Unit(unit)) failed_ = true;
            continue;
        }
        if (unit == L'\n') bytes_ += '\r';
        bytes_ += static_cast<char>(unit);
    }
}

// The one-byte form written so far is rewritten as UTF-8 after the mark; CR LF stays as it is.
void TextEncoder::SwitchToUtf8()
{
    CStringA utf8;
    utf8.reserve(kUtf8Mark.size() + bytes_.size() * 2);
    utf8 += kUtf8Mark;
    for (const char byte : bytes_) AppendUtf8(utf8, static_cast<unsigned char>(byte));
    bytes_ = std::move(utf8);
    utf8_ = true;
}

bool TextEncoder::AppendUtf8Unit(wchar_t unit)
{
    if (pendingHigh_) {
        const wchar_t high = pendingHigh_;
        pendingHigh_ = 0;
        if (!IsLowSurrogate(unit)) return false;
        AppendUtf8(bytes_, 0x10000 + ((high - 0xD800u) << 10) + (unit - 0xDC00u));
        return true;
    }
    if (IsHighSurrogate(unit)) {
        pendingHigh_ = unit;
        return true;
    }
    if (IsLowSurrogate(unit)) return false;
    if (unit == L'\n') bytes_ += '\r';
    AppendUtf8(bytes_, unit);
    return true;
}

std::optional<CStringA> TextEncoder::Finish()
{
    if (!utf8_ && (bytes_.starts_with(kUtf8Mark) || bytes_.starts_with(kUtf16LeMark))) SwitchToUtf8();
    if (failed_ || pendingHigh_) return std::nullopt;
    return std::move(bytes_);
}

std::optional<CStringA> EncodeText(std::wstring_view text)
{
    TextEncoder encoder;
    encoder.Append(text);
    return encoder.Finish();
}

bool DecodeLines(std::string_view bytes, const std::function<void(std::wstring_view line)>& onLine)
{
    LineSplitter lines(onLine);
    if (bytes.starts_with(kUtf8Mark)) {
        if (!DecodeUtf8(bytes.substr(kUtf8Mark.size()), lines)) return false;
    } else if (bytes.starts_with(kUtf16LeMark)) {
        if (!DecodeUtf16Le(bytes.substr(kUtf16LeMark.size()), lines)) return false;
    } else {
        DecodeOneBytePerUnit(bytes, lines);
    }
    lines.Finish();
    return true;
}

bool StartsWithBigEndianMark(std::string_view bytes)
{
    return bytes.starts_with("\xFE\xFF");
}
