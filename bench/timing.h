#pragma once
// Wall-clock timing with the performance counter.
#include <functional>

struct Timing {
    double commandMs = 0;
    double floorMs = 0;
};

// The fastest of `runs` calls of each; floor and command take turns, so both see the same caches.
Timing TimeInTurns(int runs, const std::function<void()>& command, const std::function<void()>& floor);
