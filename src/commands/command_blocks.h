#pragma once
// The command block of each numbered command.
#include "commands/command_host.h"
#include "commands/input_validation.h"

// A block works on the checked inputs and reports through the host only.
using CommandBlock = void (*)(CommandHost& host, const CommandInputs& inputs);

// The block of command 1 to 42, or null for any other number.
CommandBlock FindCommandBlock(int command);
