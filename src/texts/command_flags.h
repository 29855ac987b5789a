#pragma once
// Per command line: the inputs the line requires and the remembered paths that pre-fill its edits;
// and the lines on which the search options may be changed.
#include <algorithm>
#include <cstdint>
#include <iterator>

#include "texts/command_lines.h"
#include "texts/text_tables.h"

// Low byte: the inputs that must be given before the line's command may run.
inline constexpr uint16_t kNeedsSource = 0x01;        // a folder, or with kSourceIsM3u a playlist file
inline constexpr uint16_t kNeedsTarget = 0x02;        // an existing folder
inline constexpr uint16_t kNeedsEmptyTarget = 0x04;   // a target folder without files
inline constexpr uint16_t kNeedsSearchText = 0x08;
inline constexpr uint16_t kNeedsReplaceText = 0x10;  // an empty one only when the user confirms it
inline constexpr uint16_t kSourceIsM3u = 0x20;
// Bits 8 to 11 name the remembered path put into the source edit when the line is selected, bits 12
// to 15 the one put into the target edit: 0 none, 1 MP3 pool, 2 duplicate pool, 3 unused pool.

extern const uint16_t g_CommandFlags[kCommandListRows];

// The lines of commands 21, 30, 34, 35 and 37, on which the user may change the case and whole-word
// check boxes.
inline constexpr int32_t g_SearchOptionCommands[] = {CommandLine(21), CommandLine(30), CommandLine(34),
                                                    CommandLine(35), CommandLine(37)};

inline bool IsSearchOptionCommand(int row)
{
    return std::find(std::begin(g_SearchOptionCommands), std::end(g_SearchOptionCommands), row) !=
           std::end(g_SearchOptionCommands);
}
