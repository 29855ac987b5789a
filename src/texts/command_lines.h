#pragma once
// Where each numbered command stands in the command list. Code names a command by its number; the
// list shows the commands under six headings and between separator lines.
#include <array>
#include <cstdint>

#include "texts/text_tables.h"

inline constexpr int32_t kCommandCount = 42;

namespace command_lines_detail {

// The row of command n at index n; index 0 is unused.
inline constexpr std::array<int32_t, kCommandCount + 1> kLines = {
    -1,                                          // -
    1,  2,  3,  4,  5,  6,  7,  8,  9,           // 1-9: playlists
    13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23,  // 10-20: correctable renamings
    27, 28, 29,                                  // 21-23: other renamings
    33, 34, 35, 36, 37, 38, 39,                  // 24-30: copying and moving
    43, 44, 45, 46, 47, 48,                      // 31-36: playlist folders
    52, 53, 54, 55, 56, 57,                      // 37-42: further commands
};

}  // namespace command_lines_detail

// The combo row of command 1 to 42.
constexpr int32_t CommandLine(int32_t command)
{
    return command_lines_detail::kLines.at(static_cast<size_t>(command));
}

// The number of the command on the row; 0 for a heading, a separator line or a row outside the list.
constexpr int32_t CommandAtLine(int32_t line)
{
    for (int32_t command = 1; command <= kCommandCount; ++command)
        if (command_lines_detail::kLines[static_cast<size_t>(command)] == line) return command;
    return 0;
}

static_assert(CommandLine(kCommandCount) == kCommandListRows - 1);
