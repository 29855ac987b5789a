#include "commands/shortcuts_from_playlist.h"

#include <windows.h>

#include <cstdint>

#include "commands/command_reports.h"
#include "commands/free_names.h"
#include "helpers/file_operations.h"
#include "helpers/paths.h"
#include "helpers/shortcuts.h"
#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "helpers/text_lines.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

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
