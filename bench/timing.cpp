#include "timing.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <limits>

#include "console_output.h"

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

void PrintTiming(int command, int32_t entries, int32_t files, const Timing& timing)
{
    wchar_t row[200];
    std::swprintf(row, std::size(row), L"cmd %d  entries %d files %d  time %.0f ms  floor %.0f ms  ratio %.2f", command,
                  entries, files, timing.commandMs, timing.floorMs, timing.commandMs / timing.floorMs);
    PrintLine(stdout, row);
}
