#pragma once
// The "@" in front of a file name marks a song that no playlist names: command 22 puts it on the
// songs of a folder that no playlist of the playlist folder refers to, command 23 takes it off again.
// Both export the list, ask before they rename, and log the totals whatever the answer.
#include "commands/command_host.h"
#include "commands/input_validation.h"

void MarkUnusedSongs(CommandHost& host, const CommandInputs& inputs);
void DeleteUnusedMarks(CommandHost& host, const CommandInputs& inputs);
