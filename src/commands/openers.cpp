#include "commands/openers.h"

#include <windows.h>

#include "commands/command_reports.h"
#include "framework/shell_opener.h"
#include "helpers/file_operations.h"
#include "helpers/strings.h"
#include "state/globals.h"

namespace {

// A failed opening is reported with the code the shell left.
void OpenReported(CommandHost& host, const CString& file, const CString& parameters)
{
    if (OpenWithShell(file, parameters) > 32) return;
    ReportFailure(host, GetLastError());
}

// Quoted, so that blanks stay in the one argument, and without the final "\", which would otherwise
// escape the closing quote.
CString QuotedFolder(const CString& folder)
{
    return L"\"" + (EndsWithBackslash(folder) ? folder.substr(0, folder.size() - 1) : folder) + L"\"";
}

}  // namespace

void OpenFolderInExplorer(CommandHost& host, const CString& folder)
{
    // The shell may report success for a folder that is not there.
    if (!FolderExists(folder)) {
        ReportFailure(host, ERROR_PATH_NOT_FOUND);
        return;
    }
    OpenReported(host, L"explorer.exe", QuotedFolder(folder));
}

void OpenSettingsFile(CommandHost& host, const CommandInputs&)
{
    if (!FileExists(g_SettingsFile)) {
        ReportFailure(host, ERROR_FILE_NOT_FOUND);
        return;
    }
    OpenReported(host, g_SettingsFile, CString());
}
