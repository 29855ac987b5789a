#pragma once
// How the commands ask before they change files and how they report their failures.
#include <cstdint>

#include "commands/command_host.h"
#include "commands/new_files.h"
#include "framework/strings.h"

// A Yes/No question with the warning icon and no owner window; only the answer Yes goes on (a box
// closed without an answer, or one that could not be shown, is a No).
bool AskToProceed(const CString& question);

// "The command was not successful..." with the error number, and " (" + path + ")" when a path is given.
CString FailureText(int64_t code, const CString& path = CString());
void ReportFailure(CommandHost& host, int64_t code, const CString& path = CString());
// A reader's result, the number of lines read or minus a Windows error code: true when the file could
// not be read, which is then reported as above with the path (none when the path is empty).
bool ReportUnreadable(CommandHost& host, int32_t readResult, const CString& path);
// True when the new file could not be written, which is then reported with the path tried.
bool ReportUnwritten(CommandHost& host, const NewFile& file);

// A fault that ends a command: in the information list, where it stays, and in the counted box.
void ReportStoppingFault(CommandHost& host, const CString& text);

// The code of a failed copy, move or rename as the user is shown it: -1 and -2 (no folder part,
// folder missing) are "path not found".
uint32_t ReportedErrorCode(int32_t code);

// Logs the code a failed operation returned and its documentation link; the link is left on the
// clipboard. The code is the reported one; 0 logs nothing.
void ReportWindowsError(CommandHost& host, int32_t code);
