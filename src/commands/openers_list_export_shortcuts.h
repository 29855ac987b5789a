#pragma once
// Commands 38-42: the program's folders and settings file opened with the shell, the information
// list exported, and a shortcut for every song of a playlist.
#include "commands/command_host.h"
#include "commands/input_validation.h"
#include "framework/strings.h"

// The folder in the file explorer (commands 38 and 39); a missing folder is reported, not opened.
void OpenFolderInExplorer(CommandHost& host, const CString& folder);
// The settings file with its default program (command 40); a missing file is reported, not opened.
void OpenSettingsFile(CommandHost& host, const CommandInputs& inputs);
// Every line of the information list as it stands, as an export (command 41).
void ExportInfoList(CommandHost& host, const CommandInputs& inputs);
// A shortcut in the playlist's folder for every entry that names something on disk (command 42).
void CreateShortcutsFromPlaylist(CommandHost& host, const CommandInputs& inputs);
