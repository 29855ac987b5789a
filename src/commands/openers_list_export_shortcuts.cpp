#include "commands/openers_list_export_shortcuts.h"

#include <windows.h>

#include <cstdint>

#include "commands/command_reports.h"
#include "commands/exports.h"
#include "commands/free_names.h"
#include "framework/shell_opener.h"
#include "helpers/file_operations.h"
#include "helpers/paths.h"
#include "helpers/shortcuts.h"
#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "helpers/text_lines.h"
#include "state/globals.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

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

// With Stop Entries checked the list is as it was before this run: the host adds no line then.
void ExportInfoList(CommandHost& host, const CommandInputs&)
{
    CString text = g_Messages[msg::kListboxContent] + L": \n";
    const int count = host.InfoLineCount();
    for (int index = 0; index < count; ++index) {
        text += host.InfoLineText(index);
        text += L'\n';
    }
    WriteExport(host, g_Messages[msg::kListboxContent], text);
}

// Paths stay UTF-16 from the playlist to the shortcut. A shortcut left by an earlier run is replaced;
// one made earlier in this run (two songs of one name) is kept, and the later song's shortcut takes
// the next free numbered name.
void CreateShortcutsFromPlaylist(CommandHost& host, const CommandInputs& inputs)
{
    TextLines lines;
    if (ReportUnreadable(host, ReadNonEmptyLines(lines, inputs.sourcePath), inputs.sourcePath)) return;
    const CString folder = GetFolderPart(inputs.sourcePath);
    FreeNames made(NameFolding::FileSystem);
    int32_t created = 0, notFound = 0, failed = 0;
    for (const std::wstring_view line : lines) {
        const CString target(line);
        if (!PathExists(target)) {
            ++notFound;
            continue;
        }
        const CString name =
            made.Find(StripExtension(GetFileNamePart(line)) + g_Messages[msg::kShortcutSuffix] + L".lnk");
        const HRESULT result = CreateShortcutFile(target, folder + name, target);
        if (SUCCEEDED(result)) {
            made.Take(name);
            ++created;
        } else {
            host.AddInfoLine(g_Messages[msg::kShortcutNotCreatedResult] + Int64ToString(result));
            ++failed;
        }
    }
    if (created > 0) host.AddInfoLine(g_Messages[msg::kShortcutsCreatedCount] + Int64ToString(created));
    if (notFound > 0) host.AddInfoLine(g_Messages[msg::kLinkedSongsNotFoundCount] + Int64ToString(notFound));
    if (failed > 0) host.AddInfoLine(g_Messages[msg::kShortcutsNotCreatedCount] + Int64ToString(failed));
}
