#pragma once
// Commands 1-6: new playlists from a folder of shortcuts or from another playlist.
#include "commands/command_host.h"
#include "commands/input_validation.h"
#include "commands/playlist_order.h"

// One entry per shortcut of the source folder, in the order given.
void CreatePlaylistFromShortcuts(CommandHost& host, const CommandInputs& inputs, PlaylistOrder order);
// The entries of the source playlist, in the order given, beside it.
void CreatePlaylistFromPlaylist(CommandHost& host, const CommandInputs& inputs, PlaylistOrder order);
