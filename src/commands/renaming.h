#pragma once
// The files of one folder renamed in place: by a case rule (commands 10-19) or by replacing a piece
// of their names (21); and the check that each numbered duplicate has its original beside it (20).
// Playlists that name the files are not changed.
#include <cstdint>

#include "commands/command_host.h"
#include "commands/input_validation.h"
#include "framework/strings.h"
#include "helpers/case_rules.h"

// Every file of the source folder renamed by the rule. With a separator (not empty) each name must
// hold it exactly once: the first name that does not ends the command, without totals.
void RenameByCaseRule(CommandHost& host, const CommandInputs& inputs, CaseRule rule, const CString& separator);
void VerifyDuplicateNames(CommandHost& host, const CommandInputs& inputs);
void FindAndReplaceInNames(CommandHost& host, const CommandInputs& inputs);

struct RenamingCounts {
    int32_t renamed = 0;
    int32_t failed = 0;
};

// Renames a file within its folder; true when it carries the new name afterwards. A new name that
// would leave the folder or that no file may carry is not tried. A failure is logged as "not
// executed" (old => new), followed by the temporary name when the file was left under one.
bool RenameInFolder(CommandHost& host, const CString& folder, const CString& oldName, const CString& newName);
// The same, with the renaming also logged when done, and counted either way.
void RenameCounted(CommandHost& host, const CString& folder, const CString& oldName, const CString& newName,
                   RenamingCounts& counts);
// The number of renamings done (always) and failed (when any failed).
void LogRenamingTotals(CommandHost& host, const RenamingCounts& counts);
