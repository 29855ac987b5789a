#pragma once
// Playlists checked against the song files on disk: corrected for blanks (command 7), pointed from
// numbered duplicates to their originals (8), and verified (9).
#include "commands/command_host.h"
#include "commands/input_validation.h"

void CorrectPlaylistBlanks(CommandHost& host, const CommandInputs& inputs);
void CorrectPlaylistDuplicates(CommandHost& host, const CommandInputs& inputs);
void VerifyPlaylist(CommandHost& host, const CommandInputs& inputs);
