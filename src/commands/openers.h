#pragma once
// Commands 38-40: the program's folders and settings file opened with the shell.
#include "commands/command_host.h"
#include "commands/input_validation.h"
#include "framework/strings.h"

// The folder in the file explorer (commands 38 and 39); a missing folder is reported, not opened.
void OpenFolderInExplorer(CommandHost& host, const CString& folder);
// The settings file with its default program (command 40); a missing file is reported, not opened.
void OpenSettingsFile(CommandHost& host, const CommandInputs& inputs);
