#pragma once
// What the commands over a whole folder of playlists share: the playlists of the folder, each
// playlist read with its faults reported, the folder that new playlists go to, and the name and
// writing of a new playlist.
#include <cstdint>
#include <functional>
#include <vector>

#include "commands/command_host.h"
#include "commands/new_files.h"
#include "framework/strings.h"
#include "helpers/text_encoding.h"
#include "helpers/text_lines.h"

// The playlists of one folder: its own files whose extension is ".m3u" in any letter case (no
// sub-folders; hidden and system files included), in the order in which the file system lists them.
// Their names, without the folder; none when the folder cannot be listed. The folder ends in "\".
std::vector<CString> ListPlaylistNames(const CString& folder);

// Reads the named playlists of the folder in turn and hands each one with lines to work, with its
// full path and its lines (valid for that call). One that cannot be read is reported with its error
// number and path, and one without lines with " is empty." when reportEmpty; neither reaches work.
// The result is the number of lines read, the total that the commands log.
using PlaylistWork = std::function<void(const CString& path, const CString& name, const TextLines& lines)>;
int32_t ForEachPlaylist(CommandHost& host, const CString& folder, const std::vector<CString>& names,
                        bool reportEmpty, const PlaylistWork& work);

// The folder for the new playlists: the sub-folder of the playlist folder named by subFolder, or a new
// one named by the stamp when subFolder is empty; made when missing. False, with the error number
// reported (ERROR_INVALID_NAME for a name that is not a plain folder name), when there is none.
bool MakeOutputFolder(CommandHost& host, const CString& playlistFolder, const CString& subFolder,
                      CString& outputFolder);

// Writes the text as the new copy of the playlist named playlistName: folder + that name without its
// extension and any stamp in it + " " + stamp + ".m3u". A name already taken gets the stamp with the
// counter, from firstCounter on (0: the bare stamp first), so that no file is ever replaced.
[[nodiscard]] NewFile WritePlaylistCopy(const CString& folder, const CString& playlistName, const CString& stamp, TextEncoder& text,
                          int32_t firstCounter = 0);
