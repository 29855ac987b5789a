#pragma once
// The commands over a whole folder of playlists (31, 32, 34, 35, 36), timed on a generated folder of
// playlists against the collection's song folder, each beside its floor.
#include <cstdint>

#include "collection.h"

struct PlaylistFolderSizes {
    int32_t playlists = 1000;
    int32_t lines = 1000;  // per playlist
};

// Creates the folder of playlists, times the commands and prints the process's peak working set
// afterwards; false, with the reason on stderr, when the folder cannot be created.
bool RunPlaylistFolderBench(const Collection& collection, const PlaylistFolderSizes& sizes, bool verbose);
