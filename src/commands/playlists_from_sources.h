#pragma once
// New playlists from a folder of shortcuts (commands 1 to 3) and from another playlist (4 to 6).
#include "commands/command_host.h"
#include "commands/input_validation.h"

void CreatePlaylistFromShortcutsAscending(CommandHost& host, const CommandInputs& inputs);
void CreatePlaylistFromShortcutsDescending(CommandHost& host, const CommandInputs& inputs);
void CreatePlaylistFromShortcutsShuffled(CommandHost& host, const CommandInputs& inputs);

void CreatePlaylistFromPlaylistAscending(CommandHost& host, const CommandInputs& inputs);
void CreatePlaylistFromPlaylistDescending(CommandHost& host, const CommandInputs& inputs);
void CreatePlaylistFromPlaylistShuffled(CommandHost& host, const CommandInputs& inputs);
