#include "timing.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace {

double Milliseconds(const std::function<void()>& work)
{
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    return static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

Timing TimeInTurns(int runs, const std::function<void()>& command, const std::function<void()>& floor,
                   const std::function<void()>& tidy)
{
    Timing best{std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    for (int run = 0; run < runs; ++run) {
        best.floorMs = std::min(best.floorMs, Milliseconds(floor));
        if (tidy) tidy();
        best.commandMs = std::min(best.commandMs, Milliseconds(command));
        if (tidy) tidy();
    }
    return best;
}
