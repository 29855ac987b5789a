#pragma once
// Commands 10, 20 and 22 beside their floors: a folder renamed by case, the song folder checked for
// the originals of its numbered duplicates, and the song folder held against a folder of playlists.
#include <cstdint>

#include "collection.h"
#include "playlist_folder_bench.h"

// Command 10 renames a folder of caseSongs songs; command 22 holds the song folder against a folder of
// playlists of the sizes given. Creates its folders in the collection's root and removes them afterwards
// unless they are to be kept. False, with the reason on stderr, when they cannot be created.
bool RunRenamingBenchmarks(const Collection& collection, int32_t caseSongs, const PlaylistFolderSizes& playlists,
                           bool verbose, bool keep);
