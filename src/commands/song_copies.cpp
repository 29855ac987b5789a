#include "commands/song_copies.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "commands/command_reports.h"
#include "commands/exports.h"
#include "commands/command_folders.h"
#include "commands/free_names.h"
#include "helpers/file_operations.h"
#include "helpers/numbered_names.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "helpers/text_encoding.h"
#include "helpers/text_files.h"
#include "helpers/text_lines.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// The names of the originals folder that count as originals, looked up with ASCII letters folded.
UniqueLines OriginalNames(const FolderRecord& originals, const std::function<bool(const CString& name)>& isOriginal)
{
    UniqueLines names;
    for (const FileRecord& file : originals.files)
        if (isOriginal(file.name)) names.Add(file.name);
    return names;
}

struct Restorations {
    int64_t created = 0;
    int64_t failed = 0;
};

// The copy stays beside its source; a file already at the original's path is never replaced.
void Restore(CommandHost& host, const CString& copyPath, const CString& originalPath, Restorations& done)
{
    const CString paths = copyPath + L" => " + originalPath;
    const int32_t result = CopyFileChecked(copyPath, originalPath);
    if (result == 0) {
        host.AddInfoLine(g_Messages[msg::kOriginalCreated] + paths);
        ++done.created;
        return;
    }
    host.AddInfoLine(g_Messages[msg::kOriginalNotCreated] + paths);
    ReportWindowsError(host, result);
    ++done.failed;
}

// Lines lead to one song when they name one file: by the file's identity where it can be opened (another
// drive letter, the "\\?\" form), else by the full path as the file system folds it.
CString SongKey(const CString& line)
{
    const std::optional<FileIdentity> file = IdentifyFile(line);
    if (!file) return SameFileKey(line);
    // "|" stands in no path.
    return L"|" + std::to_wstring(file->volume) + L"|" + std::to_wstring(file->index) + L"|" +
           std::to_wstring(file->size) + L"|" + std::to_wstring(file->lastWrite);
}

// A line that was not copied: no song is there, or one is and its copy failed with the result.
struct NotCopied {
    CString line;
    int32_t result = 0;
    bool found = false;
};

// A song that is there but could not be copied (a full disk, a file held open) is not reported missing:
// its line shows the Windows error, and its export line the code.
void ReportNotCopied(CommandHost& host, const std::vector<NotCopied>& failed)
{
    TextEncoder text;
    text.Append(g_Messages[msg::kSongsNotCopiedHeading]);
    host.AddInfoLine(g_Messages[msg::kNotAllSongsFound]);
    for (size_t k = 0; k < failed.size(); ++k) {
        const NotCopied& entry = failed[k];
        const CString number = L" " + CountToString(k + 1) + L".";
        if (!entry.found) {
            text.AppendLine(entry.line);
            host.AddInfoLine(number + g_Messages[msg::kNotFound] + entry.line);
            continue;
        }
        text.AppendLine(entry.line + g_Messages[msg::kWindowsErrorCode] + Int64ToString(ReportedErrorCode(entry.result)));
        host.AddInfoLine(number + L" " + entry.line);
        ReportWindowsError(host, entry.result);
    }
    WriteExport(host, g_Messages[msg::kNotFoundSongsTitle], std::move(text));
}

// "Everything OK" only when nothing was to be restored; a failure is never summed up as that.
void ReportRestorations(CommandHost& host, const Restorations& done, const CString& everythingOk)
{
    host.AddInfoLine(done.created > 0 || done.failed > 0
                         ? g_Messages[msg::kOriginalsCreatedCount] + Int64ToString(done.created)
                         : everythingOk);
    if (done.failed > 0) host.AddInfoLine(g_Messages[msg::kOriginalsNotCreatedCount] + Int64ToString(done.failed));
}

}  // namespace

void CopyPlaylistSongs(CommandHost& host, const CommandInputs& inputs)
{
    TextLines lines;
    if (ReportUnreadable(host, ReadNonEmptyLines(lines, inputs.sourcePath), inputs.sourcePath)) return;
    // Songs of one file name from different folders all arrive, numbered; a song named again, however
    // it is spelled, is already there.
    FreeNames names;
    UniqueLines copied;
    std::vector<NotCopied> failed;
    for (const std::wstring_view line : lines) {
        const CString source(line);
        const CString key = SongKey(source);
        if (copied.Contains(key)) continue;
        // "../x.mp3" or "C:\a\.." would put the copy outside the target folder, or nowhere.
        const CString name(SongFileNameOf(line));
        int32_t result = ERROR_INVALID_NAME;
        if (IsPlainName(name))
            result = PlaceUnderFreeName(names, inputs.targetPath, names.Find(name), [&](const CString& path) {
                         return CopyFileChecked(source, path);
                     }).result;
        if (result == 0) copied.Add(key);
        else failed.push_back({source, result, FileExists(source)});
    }
    if (failed.empty()) host.AddInfoLine(g_Messages[msg::kLinkedFilesCopied]);
    else ReportNotCopied(host, failed);
}

void RestoreFromDuplicates(CommandHost& host, const CommandInputs& inputs)
{
    const FolderRecord originals = ListFolder(inputs.sourcePath);
    const FolderRecord doublets = ListFolder(inputs.targetPath);
    const auto plain = OriginalNames(originals, [](const CString& name) { return IsNumberedName(name) < 1; });

    // One doublet per missing original: the highest number, of equal numbers the first listed.
    struct Choice {
        const CString* name;
        int64_t number;
    };
    std::vector<Choice> chosen;
    std::unordered_map<CString, size_t> choiceOf;  // folded original name -> index into chosen
    for (const FileRecord& file : doublets.files) {
        const int32_t marker = IsNumberedName(file.name);
        if (marker < 1) continue;
        const NumberedName numbered{file.name, marker};
        CString original = ToLowerAscii(CutNameKeepExtension(numbered));
        if (plain.Contains(original)) continue;
        const int64_t number = GetNameNumber(numbered);
        const auto [choice, added] = choiceOf.try_emplace(std::move(original), chosen.size());
        if (added) chosen.push_back({&file.name, number});
        else if (number > chosen[choice->second].number) chosen[choice->second] = {&file.name, number};
    }
    Restorations done;
    for (const Choice& choice : chosen)
        Restore(host, inputs.targetPath + *choice.name, inputs.sourcePath + StripNameNumber(*choice.name), done);
    ReportRestorations(host, done, g_Messages[msg::kOriginalForEachDuplicate]);
}

void RestoreFromUnused(CommandHost& host, const CommandInputs& inputs)
{
    const FolderRecord originals = ListFolder(inputs.sourcePath);
    const FolderRecord unused = ListFolder(inputs.targetPath);
    const auto isPlain = [](const CString& name) { return !StartsWithAt(name) && IsNumberedName(name) < 1; };
    const auto plain = OriginalNames(originals, isPlain);

    UniqueLines listed;
    std::vector<const CString*> missing;
    for (const FileRecord& file : unused.files) {
        if (!StartsWithAt(file.name) || IsNumberedName(file.name) >= 1) continue;
        if (plain.Contains(std::wstring_view(file.name).substr(1))) continue;
        if (listed.Add(file.name)) missing.push_back(&file.name);
    }
    Restorations done;
    for (const CString* name : missing) Restore(host, inputs.targetPath + *name, inputs.sourcePath + name->substr(1), done);
    ReportRestorations(host, done, g_Messages[msg::kOriginalForEachUnused]);
}
