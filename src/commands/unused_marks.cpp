#include "commands/unused_marks.h"

#include <vector>

#include "commands/command_reports.h"
#include "commands/exports.h"
#include "commands/command_folders.h"
#include "commands/folder_playlists.h"
#include "commands/renaming.h"
#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "helpers/text_lines.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

struct MarkChange {
    CString oldName;
    CString newName;
};

// The files to be renamed are exported, then renamed unless the user answers No; the totals follow
// in either case.
void ExportAskAndRename(CommandHost& host, const CString& folder, const CString& heading, const CString& pending,
                        const std::vector<MarkChange>& changes)
{
    CString text = heading;
    for (const MarkChange& change : changes) text += folder + change.oldName + L"\n";
    WriteExport(host, g_Messages[msg::kUnusedSongsTitle], text);
    RenamingCounts counts;
    if (AskToProceed(pending + CountToString(changes.size()) + L". " + g_Messages[msg::kExecuteRenamingsQuestion])) {
        for (const MarkChange& change : changes) RenameCounted(host, folder, change.oldName, change.newName, counts);
    } else {
        host.AddInfoLine(g_Messages[msg::kAbortedByUser]);
    }
    LogRenamingTotals(host, counts);
}

}  // namespace

void MarkUnusedSongs(CommandHost& host, const CommandInputs& inputs)
{
    const FolderRecord songs = ListFolder(inputs.sourcePath);
    UniqueLines referenced;
    for (const CString& name : ListPlaylistNames(inputs.targetPath)) {
        const CString path = inputs.targetPath + name;
        // The songs of a playlist that cannot be read would all count as unused and be renamed.
        if (ReportUnreadable(host, ReadUniqueLines(referenced, path), path)) return;
    }
    std::vector<MarkChange> changes;
    int32_t skipped = 0;
    for (const FileRecord& file : songs.files) {
        if (referenced.Contains(file.folder + file.name)) continue;
        if (StartsWithAt(file.name)) ++skipped;
        else changes.push_back({file.name, L"@" + file.name});
    }
    ExportAskAndRename(host, inputs.sourcePath, g_Messages[msg::kUnreferencedSongsHeading],
                       g_Messages[msg::kMarkingsPendingCount], changes);
    if (skipped > 0) host.AddInfoLine(g_Messages[msg::kSkippedFilesCount] + Int64ToString(skipped));
}

void DeleteUnusedMarks(CommandHost& host, const CommandInputs& inputs)
{
    const FolderRecord songs = ListFolder(inputs.sourcePath);
    std::vector<MarkChange> changes;
    for (const FileRecord& file : songs.files)
        if (StartsWithAt(file.name)) changes.push_back({file.name, file.name.substr(1)});
    ExportAskAndRename(host, inputs.sourcePath, g_Messages[msg::kSongsToUnmarkHeading],
                       g_Messages[msg::kUnmarkingsPendingCount], changes);
}
