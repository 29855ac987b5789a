#pragma once
// Every playlist of one folder at once: new copies pointed from numbered duplicates to their
// originals (command 31) or into the song folder (32), and each playlist moved into a sub-folder of
// its own name (33). The playlists read are never changed.
#include "commands/command_host.h"
#include "commands/input_validation.h"

void CorrectFolderDuplicates(CommandHost& host, const CommandInputs& inputs);
void PointFolderIntoSongFolder(CommandHost& host, const CommandInputs& inputs);
void MovePlaylistsIntoSubFolders(CommandHost& host, const CommandInputs& inputs);
