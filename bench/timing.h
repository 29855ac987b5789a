#pragma once
// Wall-clock timing with the performance counter.
#include <cstdint>
#include <functional>

struct Timing {
    double commandMs = 0;
    double floorMs = 0;
};

// The fastest of `runs` calls of each; floor and command take turns, so both see the same caches.
// tidy, when given, runs untimed after each call (to remove what the call wrote).
Timing TimeInTurns(int runs, const std::function<void()>& command, const std::function<void()>& floor,
                   const std::function<void()>& tidy = nullptr);

// The result line: "cmd N  entries E files F  time T ms  floor F ms  ratio R".
void PrintTiming(int command, int32_t entries, int32_t files, const Timing& timing);
