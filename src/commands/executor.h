#pragma once
// The one entry point of all command work.
#include "commands/command_host.h"

// Execute (testOnly false) or Test (true) on the selected line: validates the inputs and, unless
// that ends the run, runs the line's command block.
void ExecuteCommand(CommandHost& host, bool testOnly);

// True while a run is in progress (the user may press a button behind one of its question boxes).
bool IsCommandRunning();
