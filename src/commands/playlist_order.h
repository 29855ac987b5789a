#pragma once
// The three orders of a new playlist, and how a new playlist is named, written and reported.
#include <cstdint>
#include <string_view>
#include <vector>

#include "commands/command_host.h"
#include "framework/strings.h"

enum class PlaylistOrder { Ascending, Descending, Shuffled };

// Ascending and descending compare the UTF-16 code units of the whole entry, case-sensitive;
// shuffled is a uniformly random permutation drawn from the system's random source.
// 0, or the status of the random source when it failed (the entries are then in no set order).
[[nodiscard]] uint32_t PutInOrder(std::vector<std::wstring_view>& entries, PlaylistOrder order);

// Puts the entries into the order and writes them, one per line, as folder + the order's name prefix
// + stamp + ".m3u" (never over an older playlist); logs the playlist with the count of songs given,
// or why it was not written.
void WriteNewPlaylist(CommandHost& host, PlaylistOrder order, const CString& folder,
                      std::vector<std::wstring_view>& entries, int32_t songCount);
