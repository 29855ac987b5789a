#pragma once
// The command block of each line of the command list.
#include "commands/command_host.h"
#include "commands/input_validation.h"

// A block works on the checked inputs and reports through the host only.
using CommandBlock = void (*)(CommandHost& host, const CommandInputs& inputs);

// The block of the line, or null when the line has none.
CommandBlock FindCommandBlock(int index);
