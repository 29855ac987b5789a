#pragma once
// Searches: every line of every playlist of a folder searched (command 34), rewritten with the first
// occurrence replaced into new copies (35) or checked against a song folder (36), and the file names
// of a folder searched (37). Each lists its findings in an export; nothing searched is changed.
#include "commands/command_host.h"
#include "commands/input_validation.h"

void SearchPlaylistFolder(CommandHost& host, const CommandInputs& inputs);
void ReplaceInPlaylistFolder(CommandHost& host, const CommandInputs& inputs);
void VerifyPlaylistFolder(CommandHost& host, const CommandInputs& inputs);
void SearchFileNames(CommandHost& host, const CommandInputs& inputs);
