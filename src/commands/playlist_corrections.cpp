#include "commands/playlist_corrections.h"

#include <cstdint>
#include <cwctype>
#include <deque>
#include <unordered_map>
#include <vector>

#include "commands/command_reports.h"
#include "commands/exports.h"
#include "commands/command_folders.h"
#include "commands/playlist_order.h"
#include "commands/scanned_songs.h"
#include "helpers/numbered_names.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "helpers/text_lines.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// A corrected playlist keeps the kind of order its name announces in the current language.
PlaylistOrder OrderFromPath(const CString& path)
{
    if (path.find(g_Messages[msg::kDescendingPlaylistTitle]) != CString::npos) return PlaylistOrder::Descending;
    if (path.find(g_Messages[msg::kShuffledPlaylistTitle]) != CString::npos) return PlaylistOrder::Shuffled;
    return PlaylistOrder::Ascending;
}

// False, with the fault reported, when the playlist cannot be read or holds no entry.
bool ReadEntries(CommandHost& host, const CString& path, TextLines& entries)
{
    const int32_t count = ReadNonEmptyLines(entries, path);
    if (count < 0) {
        ReportStoppingFault(host, FailureText(-static_cast<int64_t>(count)));
        return false;
    }
    if (count == 0) {
        ReportStoppingFault(host, g_Messages[msg::kForwardedFileEmpty]);
        return false;
    }
    return true;
}

// The corrections work on one song folder, the folder of entry 1; the first entry from another
// folder stops them.
bool AllInOneFolder(CommandHost& host, const TextLines& entries)
{
    const std::wstring_view songFolder = GetFolderPartView(entries[0]);
    for (size_t i = 0; i < entries.size(); ++i) {
        const std::wstring_view folder = GetFolderPartView(entries[i]);
        if (EqualsNoCase(folder, songFolder)) continue;
        ReportStoppingFault(host, g_Messages[msg::kSongsNotInOneFolder] + L" 1. " + g_Messages[msg::kFileInPlaylist] +
                                      CString(songFolder) + L" <=> " + CountToString(i + 1) + L". " +
                                      g_Messages[msg::kFileInPlaylist] + CString(folder));
        return false;
    }
    return true;
}

void ExportMisses(CommandHost& host, const std::vector<std::wstring_view>& misses)
{
    if (misses.empty()) return;
    TextEncoder text;
    text.Append(g_Messages[msg::kSongsNotFoundHeading]);
    for (const std::wstring_view miss : misses) text.AppendLine(miss);
    WriteExport(host, g_Messages[msg::kNotFoundMp3sTitle], std::move(text));
}

// The song a command 7 entry stands for: the file whose path equals the entry with ASCII letters
// folded, or else the first file, in scan order, whose path equals it once both are also without
// blanks (a correct entry must not be turned into another file that differs only in blanks).
// RemoveBlanks costs many allocations, too many for every file of a large folder, so the files are
// grouped by a coarser key that is cheap to build: the folded path without any white-space character.
// Texts equal after folding, with or without blanks, are equal under it too, so only the files of
// the entry's group (as a rule a single file) are compared in full.
class BlankFreeMatch {
public:
    explicit BlankFreeMatch(const std::vector<FileRecord>& files) : files_(files), next_(files.size(), kNone)
    {
        groups_.reserve(files.size());
        for (size_t i = 0; i < files.size(); ++i) {
            const auto [group, added] = groups_.try_emplace(WithoutWhiteSpace(FoldedPath(files[i])), Group{i, i});
            if (added) continue;
            next_[group->second.last] = i;
            group->second.last = i;
        }
    }

    const FileRecord* Find(std::wstring_view entry) const
    {
        const CString folded = ToLowerAscii(entry);
        const auto group = groups_.find(WithoutWhiteSpace(folded));
        if (group == groups_.end()) return nullptr;
        const FileRecord* firstBlankFree = nullptr;
        CString blankFree;
        for (size_t i = group->second.first; i != kNone; i = next_[i]) {
            const CString path = FoldedPath(files_[i]);
            if (path == folded) return &files_[i];
            if (firstBlankFree) continue;
            if (blankFree.empty()) blankFree = RemoveBlanks(folded);
            if (RemoveBlanks(path) == blankFree) firstBlankFree = &files_[i];
        }
        return firstBlankFree;
    }

private:
    static constexpr size_t kNone = SIZE_MAX;
    struct Group {
        size_t first;
        size_t last;
    };
    static CString FoldedPath(const FileRecord& file) { return ToLowerAscii(file.folder + file.name); }
    static CString WithoutWhiteSpace(CString text)
    {
        std::erase_if(text, [](wchar_t c) { return iswspace(c) != 0; });
        return text;
    }

    const std::vector<FileRecord>& files_;
    std::unordered_map<CString, Group> groups_;
    std::vector<size_t> next_;  // the next file of the same group, in scan order
};

}  // namespace

void CorrectPlaylistBlanks(CommandHost& host, const CommandInputs& inputs)
{
    TextLines entries;
    if (!ReadEntries(host, inputs.sourcePath, entries) || !AllInOneFolder(host, entries)) return;
    FolderRecord scan;
    AddFolderIfThere(scan, GetFolderPart(entries[0]));
    const BlankFreeMatch songs(scan.files);

    // The paths of the songs found, each once however many entries stand for it.
    std::unordered_map<const FileRecord*, CString> paths;
    std::vector<std::wstring_view> result, misses;
    for (const std::wstring_view entry : entries) {
        const FileRecord* file = songs.Find(entry);
        if (!file) {
            misses.push_back(entry);
            continue;
        }
        const auto [path, added] = paths.try_emplace(file);
        if (added) path->second = file->folder + file->name;
        result.push_back(path->second);
    }
    if (result.empty()) {
        host.AddInfoLine(g_Messages[msg::kNoSongsInReferencedFolder]);
    } else {
        const auto count = static_cast<int32_t>(result.size());
        WriteNewPlaylist(host, OrderFromPath(inputs.sourcePath), GetFolderPart(inputs.sourcePath), result, count);
    }
    ExportMisses(host, misses);
}

void CorrectPlaylistDuplicates(CommandHost& host, const CommandInputs& inputs)
{
    TextLines entries;
    if (!ReadEntries(host, inputs.sourcePath, entries) || !AllInOneFolder(host, entries)) return;
    ScannedSongs songs;
    songs.AddFolder(GetFolderPart(entries[0]));

    // Entries without a file stay as they are; the name that was sought is what the user misses.
    // The deques keep the texts in place while the views point at them.
    std::deque<CString> originals;
    std::unordered_map<const FileRecord*, CString> paths;
    std::vector<std::wstring_view> result, misses;
    for (const std::wstring_view entry : entries) {
        std::wstring_view sought = entry;
        if (const int32_t marker = IsNumberedName(entry); marker >= 1)
            sought = originals.emplace_back(CutNameKeepExtension({CString(entry), marker}));
        const FileRecord* file = songs.FindPath(sought);
        if (!file) {
            result.push_back(entry);
            misses.push_back(sought);
            continue;
        }
        const auto [path, added] = paths.try_emplace(file);
        if (added) path->second = file->folder + file->name;
        result.push_back(path->second);
    }
    const auto count = static_cast<int32_t>(result.size());
    WriteNewPlaylist(host, OrderFromPath(inputs.sourcePath), GetFolderPart(inputs.sourcePath), result, count);
    ExportMisses(host, misses);
}

void VerifyPlaylist(CommandHost& host, const CommandInputs& inputs)
{
    TextLines entries;
    if (!ReadEntries(host, inputs.sourcePath, entries)) return;
    ScannedSongs songs;
    std::vector<std::wstring_view> misses;
    for (const std::wstring_view entry : entries) {
        songs.AddFolder(GetFolderPart(entry));
        if (!songs.FindPath(entry)) misses.push_back(entry);
    }
    if (misses.empty()) {
        host.AddInfoLine(g_Messages[msg::kAllReferencedSongsFound]);
        return;
    }
    for (const std::wstring_view miss : misses) host.AddInfoLine(g_Messages[msg::kFileNotFound] + CString(miss));
    ExportMisses(host, misses);
}
