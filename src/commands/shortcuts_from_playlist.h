#pragma once
// Command 42: a shortcut for every song of a playlist.
#include "commands/command_host.h"
#include "commands/input_validation.h"

// A shortcut in the playlist's folder for every entry that names something on disk.
void CreateShortcutsFromPlaylist(CommandHost& host, const CommandInputs& inputs);
