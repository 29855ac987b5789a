#pragma once
// The playlists of one folder: its own files whose extension is ".m3u" in any letter case (no
// sub-folders; hidden and system files included), in the order in which the file system lists them.
#include <vector>

#include "framework/strings.h"

// Their names, without the folder; none when the folder cannot be listed. The folder ends in "\".
std::vector<CString> ListPlaylistNames(const CString& folder);
