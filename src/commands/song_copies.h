#pragma once
// Songs copied, never moved and never over an existing file: the songs of a playlist into an empty
// folder (command 25), and missing originals restored from their numbered duplicates (28) or from
// their copies marked unused with "@" (29), which stay where they are.
#include "commands/command_host.h"
#include "commands/input_validation.h"

void CopyPlaylistSongs(CommandHost& host, const CommandInputs& inputs);
void RestoreFromDuplicates(CommandHost& host, const CommandInputs& inputs);
void RestoreFromUnused(CommandHost& host, const CommandInputs& inputs);
