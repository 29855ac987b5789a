#include "commands/playlist_folders.h"

#include <windows.h>

#include <cstdint>
#include <string_view>
#include <vector>

#include "commands/command_reports.h"
#include "commands/exports.h"
#include "commands/folder_playlists.h"
#include "commands/scanned_songs.h"
#include "helpers/file_operations.h"
#include "helpers/numbered_names.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "helpers/timestamps.h"
#include "state/globals.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// The song folder without excluded extensions and numbered copies, looked up by path with the ASCII
// letters folded. Both exclusions depend on nothing that folding changes, so the first file in scan
// order with the path decides for all of them.
class Originals {
public:
    explicit Originals(const CString& songFolder) { songs_.AddFolder(songFolder); }

    // The original of a numbered entry (its own folder, without the "#" and digits), or null.
    const FileRecord* Find(std::wstring_view entry, int32_t marker) const
    {
        const FileRecord* file = songs_.FindPath(CutNameKeepExtension({CString(entry), marker}));
        if (!file || IsNumberedName(file->name) >= 1 || ContainsStringNoCase(g_ExcludeExtensions, GetExtension(file->name)))
            return nullptr;
        return file;
    }

private:
    ScannedSongs songs_;
};

// The playlists of the folder announced with their number, or the line that there are none (false).
bool AnnouncePlaylists(CommandHost& host, const std::vector<CString>& names)
{
    if (names.empty()) host.AddInfoLine(g_Messages[msg::kNoPlaylistsFound]);
    else host.AddInfoLine(g_Messages[msg::kPlaylistsInFolderCount] + CountToString(names.size()));
    return !names.empty();
}

}  // namespace

void CorrectFolderDuplicates(CommandHost& host, const CommandInputs& inputs)
{
    const std::vector<CString> names = ListPlaylistNames(inputs.sourcePath);
    const Originals originals(inputs.targetPath);
    CString output;
    if (!MakeOutputFolder(host, inputs.sourcePath, host.EditText(InputEdit::Search), output)) return;
    int32_t unchanged = 0, corrected = 0, missing = 0;
    TextEncoder misses;
    misses.Append(g_Messages[msg::kEntriesWithoutOriginalHeading]);
    const int32_t total = ForEachPlaylist(host, inputs.sourcePath, names, true, [&](const CString& path,
                                                                                const CString& name,
                                                                                const TextLines& entries) {
        TextEncoder text;
        for (const std::wstring_view entry : entries) {
            const int32_t marker = IsNumberedName(entry);
            if (marker < 1) {
                text.AppendLine(entry);
                ++unchanged;
            } else if (const FileRecord* original = originals.Find(entry, marker)) {
                text.Append(original->folder);
                text.AppendLine(original->name);
                ++corrected;
            } else {
                text.AppendLine(entry);
                misses.Append(path);
                misses.Append(L": ");
                misses.AppendLine(entry);
                ++missing;
            }
        }
        const NewFile file = WritePlaylistCopy(output, name, MakeTimestamp(), text);
        if (ReportUnwritten(host, file)) return;
        host.AddInfoLine(g_Messages[msg::kNewPlaylistGenerated] + file.path + L". " +
                         g_Messages[msg::kNewPlaylistLinesCount] + CountToString(entries.size()) + L".");
    });
    if (missing > 0) WriteExport(host, g_Messages[msg::kMissingOriginalsTitle], std::move(misses));
    else host.AddInfoLine(g_Messages[msg::kOriginalForEachEntry]);
    host.AddInfoLine(g_Messages[msg::kProcessedPlaylistLinesCount] + CountToString(total));
    host.AddInfoLine(g_Messages[msg::kLinesAlreadyOnOriginalCount] + CountToString(unchanged));
    host.AddInfoLine(g_Messages[msg::kCorrectedLinesCount] + CountToString(corrected));
    if (missing > 0) host.AddInfoLine(g_Messages[msg::kEntriesWithoutOriginalCount] + CountToString(missing));
}

void PointFolderIntoSongFolder(CommandHost& host, const CommandInputs& inputs)
{
    const std::vector<CString> names = ListPlaylistNames(inputs.sourcePath);
    CString output;
    if (!MakeOutputFolder(host, inputs.sourcePath, host.EditText(InputEdit::Search), output) ||
        !AnnouncePlaylists(host, names))
        return;
    // Playlists written in the same second share the stamp, each with the next counter.
    CString lastStamp;
    int32_t counter = 1, created = 0;
    ForEachPlaylist(host, inputs.sourcePath, names, false, [&](const CString&, const CString& name,
                                                               const TextLines& entries) {
        TextEncoder text;
        for (const std::wstring_view entry : entries) {
            // Comment lines carry titles and lengths, not songs.
            if (entry.starts_with(L'#')) {
                text.AppendLine(entry);
                continue;
            }
            text.Append(inputs.targetPath);
            text.AppendLine(SongFileNameOf(entry));
        }
        const CString stamp = MakeTimestamp();
        const NewFile file = WritePlaylistCopy(output, name, stamp, text, stamp == lastStamp ? counter : 0);
        lastStamp = stamp;
        counter = file.counter + 1;
        if (ReportUnwritten(host, file)) return;
        host.AddInfoLine(g_Messages[msg::kNewPlaylistCreated] + file.path);
        ++created;
    });
    host.AddInfoLine(g_Messages[msg::kNewPlaylistsCount] + CountToString(created));
}

void MovePlaylistsIntoSubFolders(CommandHost& host, const CommandInputs& inputs)
{
    const std::vector<CString> names = ListPlaylistNames(inputs.sourcePath);
    if (!AnnouncePlaylists(host, names)) return;
    int32_t created = 0, moved = 0, failed = 0;
    for (const CString& name : names) {
        const CString folderName = StripExtension(name);
        const CString folder = inputs.sourcePath + folderName + L"\\";
        const CString oldPath = inputs.sourcePath + name, newPath = folder + name;
        // A name Windows would store otherwise ("dot." as "dot") or open as a device ("con") is not tried.
        const bool plain = IsPlainName(folderName);
        if (const int32_t error = plain ? EnsureFolder(folder) : ERROR_INVALID_NAME; error != 0) {
            ReportFailure(host, error);
        } else {
            host.AddInfoLine(g_Messages[msg::kFolderCreated] + folder);
            ++created;
        }
        // Tried also without the folder, so that the failure is reported like any other.
        if (const int32_t error = plain ? MoveFileChecked(oldPath, newPath) : ERROR_INVALID_NAME; error != 0) {
            host.AddInfoLine(g_Messages[msg::kNotMovedPlaylist] + oldPath + L" => " + newPath);
            host.AddInfoLine(g_Messages[msg::kWindowsErrorOccurred] + Int64ToString(ReportedErrorCode(error)));
            ++failed;
        } else {
            host.AddInfoLine(g_Messages[msg::kMovedPlaylist] + oldPath + L" => " + newPath);
            ++moved;
        }
    }
    if (created > 0) host.AddInfoLine(g_Messages[msg::kCreatedFoldersCount] + CountToString(created));
    if (moved > 0) host.AddInfoLine(g_Messages[msg::kMovedPlaylistsCount] + CountToString(moved));
    if (failed > 0) host.AddInfoLine(g_Messages[msg::kFailedPlaylistMovesCount] + CountToString(failed));
}
