#pragma once
// Command 41: the information list exported.
#include "commands/command_host.h"
#include "commands/input_validation.h"

// Every line of the information list as it stands, as an export.
void ExportInfoList(CommandHost& host, const CommandInputs& inputs);
