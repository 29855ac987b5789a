#include "helpers/text_lines.h"

#include <stdexcept>

namespace {

wchar_t FoldAscii(wchar_t c)
{
    return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

}  // namespace

void TextLines::Append(std::wstring_view line)
{
    if (units_.size() + line.size() > UINT32_MAX) throw std::length_error("too many lines");
    units_.append(line);
    ends_.push_back(static_cast<uint32_t>(units_.size()));
}

void TextLines::Truncate(size_t count)
{
    if (count >= ends_.size()) return;
    units_.resize(count == 0 ? 0 : ends_[count - 1]);
    ends_.resize(count);
}

void TextLines::Reserve(size_t lines, size_t units)
{
    ends_.reserve(lines);
    units_.reserve(units);
}

UniqueLines::UniqueLines() : index_(0, FoldedHash{this}, FoldedEqual{this}) {}

size_t UniqueLines::FoldedHash::operator()(uint32_t index) const
{
    // FNV-1a over the folded units.
    size_t hash = 2166136261u;
    for (wchar_t c : owner->Text(index)) hash = (hash ^ static_cast<size_t>(FoldAscii(c))) * 16777619u;
    return hash;
}

bool UniqueLines::FoldedEqual::operator()(uint32_t a, uint32_t b) const
{
    const std::wstring_view x = owner->Text(a), y = owner->Text(b);
    if (x.size() != y.size()) return false;
    for (size_t i = 0; i < x.size(); ++i)
        if (FoldAscii(x[i]) != FoldAscii(y[i])) return false;
    return true;
}

bool UniqueLines::Contains(std::wstring_view line) const
{
    probe_ = line;
    const bool found = index_.count(kProbe) != 0;
    probe_ = {};
    return found;
}

bool UniqueLines::Add(std::wstring_view line)
{
    if (Contains(line)) return false;
    lines_.Append(line);
    const auto added = static_cast<uint32_t>(lines_.size() - 1);
    try {
        index_.insert(added);
    } catch (...) {
        lines_.Truncate(added);
        throw;
    }
    return true;
}

void UniqueLines::Truncate(size_t count)
{
    for (size_t i = count; i < lines_.size(); ++i) index_.erase(static_cast<uint32_t>(i));
    lines_.Truncate(count);
}
