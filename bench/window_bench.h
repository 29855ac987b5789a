#pragma once
// Command 9 on a playlist of songs that are all missing, through the real window and through the
// console host: every missing song is a line in the information list.
#include <cstdint>

// Prints both times and their ratio; false when the window or the playlist cannot be made.
bool RunWindowBench(int32_t missingEntries, int runs);
