#pragma once
// Many lines held compactly: the units of all lines in one buffer and where each line ends, instead
// of one string (and one allocation) per line, so a playlist of a million lines costs little more
// than its text.
#include <cstdint>
#include <iterator>
#include <string_view>
#include <vector>

#include "framework/strings.h"

class TextLines {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::wstring_view;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = std::wstring_view;
        Iterator() = default;
        Iterator(const TextLines* lines, size_t index) : lines_(lines), index_(index) {}
        std::wstring_view operator*() const { return (*lines_)[index_]; }
        Iterator& operator++()
        {
            ++index_;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++index_;
            return before;
        }
        bool operator==(const Iterator& other) const { return index_ == other.index_; }

    private:
        const TextLines* lines_ = nullptr;
        size_t index_ = 0;
    };

    size_t size() const { return ends_.size(); }
    bool empty() const { return ends_.empty(); }
    // Valid until the next change of the list.
    std::wstring_view operator[](size_t index) const
    {
        const uint32_t start = index == 0 ? 0 : ends_[index - 1];
        return std::wstring_view(units_.data() + start, ends_[index] - start);
    }
    Iterator begin() const { return {this, 0}; }
    Iterator end() const { return {this, size()}; }

    void Append(std::wstring_view line);
    // Keeps the first `count` lines.
    void Truncate(size_t count);
    // Room for that many more units, so that a long text grows into its buffer once instead of doubling it.
    void ReserveUnits(size_t more);
    // Gives back the room that the lines did not take.
    void ReleaseSpareUnits();

private:
    CString units_;
    std::vector<uint32_t> ends_;
};

// Lines kept once each: a line equal to a kept one after lower-casing the ASCII letters of both is
// not added again. Each kept line keeps the spelling in which it came first. The index holds a hash
// and a line number per slot in one array, so that a look-up touches one slot and, when the hashes
// agree, the line it compares; the text looked up is never copied.
class UniqueLines {
public:
    // True when the line was added.
    bool Add(std::wstring_view line);
    static constexpr size_t kNotKept = SIZE_MAX;
    // The place in Lines() of the kept line equal to the line, or kNotKept.
    size_t IndexOf(std::wstring_view line) const;
    bool Contains(std::wstring_view line) const { return IndexOf(line) != kNotKept; }
    const TextLines& Lines() const { return lines_; }
    // Keeps the first `count` lines.
    void Truncate(size_t count);

private:
    static constexpr uint32_t kFree = UINT32_MAX;
    struct Slot {
        uint32_t hash = 0;
        uint32_t line = kFree;
    };
    // The slot that holds the line, or the free one where it would go; there is always a free one.
    size_t FindSlot(std::wstring_view line, uint32_t hash) const;
    // A new index of slotCount slots (a power of two) over the first lineCount lines.
    void Rebuild(size_t slotCount, size_t lineCount);

    TextLines lines_;
    std::vector<Slot> slots_;  // at most half of them taken
};
