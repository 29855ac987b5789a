#pragma once
// The generated collection: song folders of empty .mp3 files, a folder of shortcuts to songs, and
// playlists whose entries are misspelt the ways the correction commands repair.
#include <cstdint>
#include <vector>

#include "framework/strings.h"

struct CollectionSizes {
    int32_t songs = 100000;
    int32_t shortcuts = 10000;
    int32_t smallEntries = 1000;
    int32_t largeEntries = 20000;
};

struct Collection {
    CString root;  // every folder below lies in it; each ends in "\"
    CString songFolder;
    CString moreSongFolder;  // the second folder of the verify playlist
    CString shortcutFolder;
    CString playlistFolder;
    CString exportFolder;
    CString scratchFolder;  // for the files the floors write
    int32_t songFiles = 0;
    int32_t moreSongFiles = 0;
    int32_t shortcutFiles = 0;
    // Entries from the song folder only, with wrong blanks, wrong case and numbered names.
    CString smallPlaylist;
    CString largePlaylist;
    // Entries of the large size from both song folders, in runs, with wrong case and a few misses.
    CString verifyPlaylist;
};

// Creates the collection in a new folder under the temporary folder, with progress on stderr;
// false, with the reason on stderr, when any of it cannot be created.
bool CreateCollection(const CollectionSizes& sizes, Collection& collection);
// Removes the collection's folder and everything in it (one level of sub-folders).
void RemoveCollection(const Collection& collection);

// Helpers for folders of one's own in the collection's root, each with the reason on stderr when it fails.
bool CreateFolder(const CString& path);
// An empty file and nothing else: creating files is the slow part under Wine.
bool CreateEmptyFile(const CString& path);
// The folder as files are created in it. Wine looks for every new name in the whole folder under
// any letter case, which makes filling a large folder quadratic; a path in its \\?\unix\ form is
// taken exactly as written. Elsewhere the folder stays as it is.
CString CreationFolder(const CString& folder);
// The entries one per line, as a playlist.
bool WritePlaylist(const CString& path, const std::vector<CString>& entries);
// Deletes the files of one folder and then the folder; the folders of the collection hold no sub-folders.
void RemoveFolder(const CString& folder, int32_t& removed);
