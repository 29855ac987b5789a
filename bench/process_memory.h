#pragma once
// This process's memory as the system counts it.
#include <cstdint>

struct ProcessMemory {
    uint64_t workingSet = 0;
    uint64_t peakWorkingSet = 0;
};

ProcessMemory CurrentMemory();
double Megabytes(uint64_t bytes);
