#pragma once
// Commands 24, 26 and 28 on the song folder of the generated collection, each beside the listing of
// its two folders and the bare moves or copies of the same files.
#include "collection.h"

// Creates the folders these need in the collection's root and removes them afterwards; false, with
// the reason on stderr, when they cannot be created.
bool RunSongMoveBenchmarks(const Collection& collection, int runs, bool verbose);
