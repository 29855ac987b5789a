#include "helpers/text_lines.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "helpers/strings.h"

namespace {

// Two folded units a step, then the bits spread over the whole word, as the slot takes the low ones.
uint32_t FoldedHash(std::wstring_view text)
{
    const auto unit = [&](size_t i) { return uint32_t{LowerAscii(text[i])}; };
    uint32_t hash = static_cast<uint32_t>(text.size()) * 0x9E3779B1u;
    size_t i = 0;
    for (; i + 1 < text.size(); i += 2) hash = (std::rotl(hash, 5) ^ (unit(i) | unit(i + 1) << 16)) * 0x27D4EB2Du;
    if (i < text.size()) hash = (std::rotl(hash, 5) ^ unit(i)) * 0x27D4EB2Du;
    hash ^= hash >> 15;
    hash *= 0x85EBCA6Bu;
    hash ^= hash >> 13;
    return hash;
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

void TextLines::ReserveUnits(size_t more)
{
    units_.reserve(units_.size() + more);
}

void TextLines::ReleaseSpareUnits()
{
    if (units_.capacity() > units_.size() + units_.size() / 8) units_.shrink_to_fit();
}

bool UniqueLines::Add(std::wstring_view line)
{
    if ((lines_.size() + 1) * 2 > slots_.size()) Rebuild(std::max<size_t>(16, slots_.size() * 2), lines_.size());
    const uint32_t hash = FoldedHash(line);
    Slot& slot = slots_[FindSlot(line, hash)];
    if (slot.line != kFree) return false;
    lines_.Append(line);  // may throw, and leaves the slot free then
    slot = {hash, static_cast<uint32_t>(lines_.size() - 1)};
    return true;
}

size_t UniqueLines::IndexOf(std::wstring_view line) const
{
    if (slots_.empty()) return kNotKept;
    const Slot& slot = slots_[FindSlot(line, FoldedHash(line))];
    return slot.line == kFree ? kNotKept : slot.line;
}

void UniqueLines::Truncate(size_t count)
{
    if (count >= lines_.size()) return;
    Rebuild(slots_.size(), count);
    lines_.Truncate(count);
}

size_t UniqueLines::FindSlot(std::wstring_view line, uint32_t hash) const
{
    const size_t mask = slots_.size() - 1;
    for (size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.line == kFree || (slot.hash == hash && EqualsNoCase(lines_[slot.line], line))) return at;
    }
}

void UniqueLines::Rebuild(size_t slotCount, size_t lineCount)
{
    std::vector<Slot> slots(slotCount);
    const size_t mask = slotCount - 1;
    for (const Slot& old : slots_) {
        if (old.line == kFree || old.line >= lineCount) continue;
        size_t at = old.hash & mask;
        while (slots[at].line != kFree) at = (at + 1) & mask;
        slots[at] = old;
    }
    slots_ = std::move(slots);
}
