#pragma once
// The peak memory of the playlist commands on one large playlist. Each command runs in a process of
// its own, so that neither the making of the playlist nor another command counts.
#include <cstdint>

#include "framework/strings.h"

// Writes a playlist of that many lines, runs commands 4, 7, 8 and 9 on it one process each and prints
// each one's peak working set beside the playlist's size. False when the playlist cannot be made.
bool RunMemoryBench(int32_t lines);

// The process of one command: runs it on the playlist and prints its peak. The exit code is 0 when it ran.
int RunMemoryChild(int32_t command, const CString& playlist, const CString& exportFolder);
inline constexpr const wchar_t* kMemoryChildFlag = L"--memory-child";
