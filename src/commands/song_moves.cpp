#include "commands/song_moves.h"

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

#include "commands/command_records.h"
#include "commands/command_reports.h"
#include "commands/exports.h"
#include "commands/command_folders.h"
#include "commands/free_names.h"
#include "commands/new_files.h"
#include "commands/search_config.h"
#include "helpers/file_operations.h"
#include "helpers/numbered_names.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "helpers/text_encoding.h"
#include "helpers/text_lines.h"
#include "helpers/timestamps.h"
#include "state/globals.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// Every planned move has its own target name: the target's names and those planned before are taken.
struct MovePlan {
    FreeNames names;
    std::vector<FileMove> moves;
};

MovePlan PlanMoves(const CommandInputs& inputs, const std::function<bool(const CString& name)>& isMoved)
{
    const FolderRecord source = ListFolder(inputs.sourcePath);
    MovePlan plan{FreeNames(ListFolder(inputs.targetPath).files), {}};
    for (const FileRecord& file : source.files) {
        if (!isMoved(file.name)) continue;
        const CString name = plan.names.Find(file.name);
        plan.names.Take(name);
        plan.moves.push_back({inputs.sourcePath + file.name, inputs.targetPath + name});
    }
    return plan;
}

Placement MoveUnderFreeName(FreeNames& names, const CString& folder, const CString& source, const CString& name)
{
    // A taken name without "." has no numbered name to give way to: with its own folder as the target,
    // such a file would be moved onto itself, which moves nothing.
    if (SameFileKey(source) == SameFileKey(folder + name)) return {ERROR_ALREADY_EXISTS, folder + name};
    return PlaceUnderFreeName(names, folder, name, [&](const CString& path) { return MoveFileChecked(source, path); });
}

Placement MovePlanned(MovePlan& plan, const CString& targetFolder, const FileMove& move)
{
    return MoveUnderFreeName(plan.names, targetFolder, move.sourcePath, move.targetPath.substr(targetFolder.size()));
}

// The question names the remembered song folder when either path is it, since emptying that folder
// or filling it is rarely meant.
bool ConfirmMoves(CommandHost& host, size_t count)
{
    CString question = g_Messages[msg::kSongsToMoveCount] + CountToString(count);
    if (host.EditText(InputEdit::Source) == g_Mp3Pool)
        question += L"\n\n" + g_Messages[msg::kSourceMatchesSettingsQuestion];
    if (host.EditText(InputEdit::Target) == g_Mp3Pool)
        question += L"\n\n" + g_Messages[msg::kTargetMatchesSettingsQuestion];
    question += L"\n\n" + g_Messages[msg::kExecuteCommandQuestion];
    if (AskToProceed(question)) return true;
    host.AddInfoLine(g_Messages[msg::kAbortedByUser]);
    return false;
}

// The numbered list of the files not moved, in the information list and as an export.
void ReportNotMoved(CommandHost& host, const std::vector<CString>& paths, const CString& afterNumber)
{
    ExportNumberedPaths(host, paths, g_Messages[msg::kSongsNotMovedHeading], g_Messages[msg::kSongsNotMovedHeading],
                        afterNumber, g_Messages[msg::kNotMovedSongsTitle]);
}

void ReportMovedCount(CommandHost& host, int64_t moved)
{
    host.AddInfoLine(moved > 0 ? g_Messages[msg::kMovedFilesCount] + Int64ToString(moved)
                               : g_Messages[msg::kNoFilesMoved]);
}

void WriteMovedPlaylist(CommandHost& host, const CString& folder, TextEncoder text, int64_t moved)
{
    const NewFile playlist = WriteNewStampedFile(
        [&](const CString& stamp) { return folder + g_Messages[msg::kAlphabeticalPlaylistTitle] + stamp + L".m3u"; },
        MakeTimestamp(), text.Finish());
    if (ReportUnwritten(host, playlist)) return;
    host.AddInfoLine(g_Messages[msg::kPlaylistGeneratedIn] + playlist.path + L". " +
                     g_Messages[msg::kMovedAndReplacedSongsCount] + Int64ToString(moved) + L".");
}

// The export of the failed moves, and beside it in the emptied folder a file of their target paths
// under the same stamp.
void WriteNotMovedFiles(CommandHost& host, const CString& folder, TextEncoder exportText, TextEncoder targetsText)
{
    const CString stamp = MakeTimestamp();
    const NewFile exported = WriteExportFile(g_Messages[msg::kNotMovedSongsTitle], std::move(exportText), stamp);
    ReportExport(host, exported);
    const NewFile targets = WriteNewStampedFile(
        [&](const CString& counted) { return folder + counted + g_Messages[msg::kNotMovedSongsTitle] + L".txt"; },
        stamp, targetsText.Finish(), exported.counter);
    ReportUnwritten(host, targets);
}

}  // namespace

void EmptySongFolder(CommandHost& host, const CommandInputs& inputs)
{
    UniqueLines excluded;
    for (const CString& extension : g_ExcludeExtensions) excluded.Add(extension);
    MovePlan plan = PlanMoves(inputs, [&](const CString& name) { return !excluded.Contains(GetExtension(name)); });
    if (plan.moves.empty()) {
        host.AddInfoLine(g_Messages[msg::kNoFilesToMove]);
        return;
    }
    if (!ConfirmMoves(host, plan.moves.size())) return;

    TextEncoder movedText, playlistText, notMovedText, targetsText;
    movedText.Append(g_Messages[msg::kMovedSongsHeading]);
    notMovedText.Append(g_Messages[msg::kSongsNotMovedHeading]);
    int64_t moved = 0, failed = 0;
    for (const FileMove& move : plan.moves) {
        const Placement placed = MovePlanned(plan, inputs.targetPath, move);
        if (placed.result == 0) {
            playlistText.AppendLine(placed.path);
            movedText.AppendLine(move.sourcePath + L" => " + placed.path);
            ++moved;
            continue;
        }
        ReportWindowsError(host, placed.result);
        notMovedText.AppendLine(move.sourcePath + g_Messages[msg::kWindowsErrorCode] +
                                Int64ToString(ReportedErrorCode(placed.result)));
        targetsText.AppendLine(placed.path);
        host.AddInfoLine(g_Messages[msg::kMoveFailed] + Int64ToString(++failed) + L". " + move.sourcePath);
    }
    if (moved > 0) {
        WriteMovedPlaylist(host, inputs.sourcePath, std::move(playlistText), moved);
        WriteExport(host, g_Messages[msg::kMovedFilesTitle], std::move(movedText));
    } else {
        host.AddInfoLine(g_Messages[msg::kNoSongsInFolder]);
    }
    if (failed > 0) WriteNotMovedFiles(host, inputs.sourcePath, std::move(notMovedText), std::move(targetsText));
}

void MoveNumberedDuplicates(CommandHost& host, const CommandInputs& inputs)
{
    MovePlan plan = PlanMoves(inputs, [](const CString& name) {
        return GetExtension(name) != L".m3u" && IsNumberedName(name) >= 1;
    });
    if (plan.moves.empty()) {
        host.AddInfoLine(g_Messages[msg::kNoFilesToMove]);
        return;
    }
    if (!ConfirmMoves(host, plan.moves.size())) return;

    int64_t moved = 0;
    std::vector<CString> failures;
    for (const FileMove& move : plan.moves) {
        const Placement placed = MovePlanned(plan, inputs.targetPath, move);
        if (placed.result == 0) {
            host.AddInfoLine(g_Messages[msg::kMovedFile] + move.sourcePath);
            ++moved;
            continue;
        }
        ReportWindowsError(host, placed.result);
        failures.push_back(placed.path);
    }
    ReportMovedCount(host, moved);
    if (!failures.empty()) ReportNotMoved(host, failures, L". ");
}

void MoveUnusedSongs(CommandHost& host, const CommandInputs& inputs)
{
    const FolderRecord source = ListFolder(inputs.sourcePath);
    FreeNames names(ListFolder(inputs.targetPath).files);
    int64_t moved = 0;
    std::vector<CString> failures;
    for (const FileRecord& file : source.files) {
        if (HasPlaylistExtension(file.name) || !StartsWithAt(file.name)) continue;
        const CString sourcePath = inputs.sourcePath + file.name;
        const Placement placed = MoveUnderFreeName(names, inputs.targetPath, sourcePath, names.Find(file.name));
        if (placed.result != 0) {
            ReportWindowsError(host, placed.result);
            failures.push_back(placed.path);
            continue;
        }
        if (placed.path == inputs.targetPath + file.name) host.AddInfoLine(g_Messages[msg::kMovedFile] + sourcePath);
        else host.AddInfoLine(g_Messages[msg::kRenamedAndMovedFile] + sourcePath + L" => " + placed.path);
        ++moved;
    }
    ReportMovedCount(host, moved);
    if (!failures.empty()) ReportNotMoved(host, failures, L". ");
}

void MoveSearchMatches(CommandHost& host, const CommandInputs& inputs)
{
    const FolderRecord source = ListFolder(inputs.sourcePath);
    const SearchConfig search = GetSearchConfig(host, inputs.searchText);
    std::vector<FileMove> moves;
    for (const FileRecord& file : source.files) {
        if (search.FindInStem(file.name) == std::wstring_view::npos) continue;
        moves.push_back({inputs.sourcePath + file.name, inputs.targetPath + file.name});
    }
    if (moves.empty()) {
        ReportStoppingFault(host, g_Messages[msg::kNoMatches]);
        return;
    }
    if (!AskToProceed(g_Messages[msg::kAttention] + CountToString(moves.size()) +
                      g_Messages[msg::kFileShiftsPendingQuestion]))
        return;

    int64_t moved = 0;
    std::vector<CString> failures;
    for (const FileMove& move : moves) {
        const CString paths = move.sourcePath + L" => " + move.targetPath;
        if (const int32_t result = MoveFileChecked(move.sourcePath, move.targetPath); result != 0) {
            host.AddInfoLine(g_Messages[msg::kMoveFailedErrorCode] + Int64ToString(ReportedErrorCode(result)) + L". " +
                             paths);
            failures.push_back(move.sourcePath);
            continue;
        }
        host.AddInfoLine(g_Messages[msg::kMoved] + paths);
        ++moved;
    }
    if (failures.empty()) host.AddInfoLine(g_Messages[msg::kAllMatchingFilesMovedCount] + Int64ToString(moved));
    else ReportNotMoved(host, failures, L"." + g_Messages[msg::kNotMovedFile]);
}
