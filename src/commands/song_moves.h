#pragma once
// Songs moved from a source folder into a target folder: the whole folder with a playlist of the new
// paths (command 24), numbered duplicates (26), files marked unused with "@" (27), and files whose
// name holds a search text (30). Only 30 moves onto a taken name, and that move fails; the others take
// the next free numbered name.
#include "commands/command_host.h"
#include "commands/input_validation.h"

void EmptySongFolder(CommandHost& host, const CommandInputs& inputs);
void MoveNumberedDuplicates(CommandHost& host, const CommandInputs& inputs);
void MoveUnusedSongs(CommandHost& host, const CommandInputs& inputs);
void MoveSearchMatches(CommandHost& host, const CommandInputs& inputs);
