#pragma once
// The command lines (commands 21, 30, 34, 35 and 37) on which the user may change the case and
// whole-word check boxes.
#include <cstdint>

inline constexpr int32_t g_SearchOptionCommands[5] = {27, 39, 46, 47, 52};
