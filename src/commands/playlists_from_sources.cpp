#include "commands/playlists_from_sources.h"

#include <vector>

#include "commands/playlist_order.h"
#include "helpers/folder_scan.h"
#include "helpers/paths.h"
#include "helpers/shortcuts.h"
#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "texts/text_tables.h"

namespace {

// One entry per file ending in ".lnk" (exact case) in the folder itself. A shortcut that cannot be
// resolved gives an empty entry and still counts: the user sees that one of them is broken.
void CreateFromShortcuts(CommandHost& host, const CommandInputs& inputs, PlaylistOrder order)
{
    FolderRecord scan;
    scan.path = inputs.sourcePath;
    ScanFolder(scan);
    std::vector<CString> entries;
    for (const FileRecord& file : scan.files) {
        if (!file.name.ends_with(L".lnk")) continue;
        CString target;
        ResolveShortcutTarget(file.folder + file.name, target);
        entries.push_back(std::move(target));
    }
    if (entries.empty()) {
        host.AddInfoLine(g_Messages[24]);
        return;
    }
    const auto count = static_cast<int32_t>(entries.size());
    WriteNewPlaylist(host, order, inputs.sourcePath, entries, count);
}

// The entries as read (trimmed, "#" lines included), written beside the source playlist.
void CreateFromPlaylist(CommandHost& host, const CommandInputs& inputs, PlaylistOrder order)
{
    std::vector<CString> entries;
    const int32_t count = ReadNonEmptyLines(entries, inputs.sourcePath);
    // An unreadable playlist is not an empty one: the user gets the reason.
    if (count < 0) {
        host.AddInfoLine(g_Messages[93] + Int64ToString(-static_cast<int64_t>(count)));
        return;
    }
    if (count == 0) {
        host.AddInfoLine(g_Messages[38]);
        return;
    }
    WriteNewPlaylist(host, order, GetFolderPart(inputs.sourcePath), entries, count);
}

}  // namespace

void CreatePlaylistFromShortcutsAscending(CommandHost& host, const CommandInputs& inputs)
{
    CreateFromShortcuts(host, inputs, PlaylistOrder::Ascending);
}

void CreatePlaylistFromShortcutsDescending(CommandHost& host, const CommandInputs& inputs)
{
    CreateFromShortcuts(host, inputs, PlaylistOrder::Descending);
}

void CreatePlaylistFromShortcutsShuffled(CommandHost& host, const CommandInputs& inputs)
{
    CreateFromShortcuts(host, inputs, PlaylistOrder::Shuffled);
}

void CreatePlaylistFromPlaylistAscending(CommandHost& host, const CommandInputs& inputs)
{
    CreateFromPlaylist(host, inputs, PlaylistOrder::Ascending);
}

void CreatePlaylistFromPlaylistDescending(CommandHost& host, const CommandInputs& inputs)
{
    CreateFromPlaylist(host, inputs, PlaylistOrder::Descending);
}

void CreatePlaylistFromPlaylistShuffled(CommandHost& host, const CommandInputs& inputs)
{
    CreateFromPlaylist(host, inputs, PlaylistOrder::Shuffled);
}
