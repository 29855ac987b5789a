#pragma once
// Wall-clock timing with the performance counter.
#include <functional>

struct Timing {
    double commandMs = 0;
    double floorMs = 0;
};

// The fastest of `runs` calls of each; floor and command take turns, so both see the same caches.
// tidy, when given, runs untimed after each call (to remove what the call wrote).
Timing TimeInTurns(int runs, const std::function<void()>& command, const std::function<void()>& floor,
                   const std::function<void()>& tidy = nullptr);
