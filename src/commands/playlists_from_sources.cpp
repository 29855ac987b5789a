#include "commands/playlists_from_sources.h"

#include <vector>

#include "commands/command_reports.h"
#include "commands/command_folders.h"
#include "helpers/paths.h"
#include "helpers/shortcuts.h"
#include "helpers/text_files.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

// One entry per file ending in ".lnk" (exact case) in the folder itself. A shortcut that cannot be
// resolved gives an empty entry and still counts: the user sees that one of them is broken.
void CreatePlaylistFromShortcuts(CommandHost& host, const CommandInputs& inputs, PlaylistOrder order)
{
    const FolderRecord scan = ListFolder(inputs.sourcePath);
    std::vector<CString> targets;
    for (const FileRecord& file : scan.files) {
        if (!file.name.ends_with(L".lnk")) continue;
        CString target;
        (void)ResolveShortcutTarget(file.folder + file.name, target);  // unresolvable: an empty entry
        targets.push_back(std::move(target));
    }
    if (targets.empty()) {
        host.AddInfoLine(g_Messages[msg::kNoLinkedSongsInFolder]);
        return;
    }
    std::vector<std::wstring_view> entries(targets.begin(), targets.end());
    WriteNewPlaylist(host, order, inputs.sourcePath, entries, static_cast<int32_t>(entries.size()));
}

// The entries as read (trimmed, "#" lines included), written beside the source playlist.
void CreatePlaylistFromPlaylist(CommandHost& host, const CommandInputs& inputs, PlaylistOrder order)
{
    TextLines lines;
    const int32_t count = ReadNonEmptyLines(lines, inputs.sourcePath);
    // An unreadable playlist is not an empty one: the user gets the reason.
    if (ReportUnreadable(host, count, CString())) return;
    if (count == 0) {
        host.AddInfoLine(g_Messages[msg::kNoSongsInPlaylist]);
        return;
    }
    std::vector<std::wstring_view> entries(lines.begin(), lines.end());
    WriteNewPlaylist(host, order, GetFolderPart(inputs.sourcePath), entries, count);
}
