#pragma once
// Win32 hands 64-bit sizes, file indexes and times over as two 32-bit halves.
#include <windows.h>

#include <cstdint>

constexpr uint64_t JoinHalves(DWORD high, DWORD low)
{
    return static_cast<uint64_t>(high) << 32 | low;
}

inline uint64_t JoinHalves(const FILETIME& time)
{
    return JoinHalves(time.dwHighDateTime, time.dwLowDateTime);
}
