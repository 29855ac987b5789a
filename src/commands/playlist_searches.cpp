#include "commands/playlist_searches.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "commands/command_reports.h"
#include "commands/exports.h"
#include "commands/command_folders.h"
#include "commands/folder_playlists.h"
#include "commands/scanned_songs.h"
#include "commands/search_config.h"
#include "helpers/strings.h"
#include "helpers/text_encoding.h"
#include "helpers/text_lines.h"
#include "helpers/timestamps.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

constexpr size_t kNotFound = std::wstring_view::npos;

// The title of a search's export: what was done, the search, and the number of findings.
CString SearchExportTitle(const CString& done, const SearchConfig& config, size_t count)
{
    return done + config.description + L" (" + CountToString(count) + g_Messages[msg::kMatchesTitleEnd];
}

// The findings of the playlist searches: under a heading, grouped under the full path of their
// playlist, one line each with its row number. Built as the playlists are read, so that a finding
// costs the bytes of its line in the export and nothing more.
class GroupedFindings {
public:
    explicit GroupedFindings(const CString& heading) { text_.Append(heading); }

    // The findings added next belong to this playlist, whose path heads them once there is one.
    void StartPlaylist(const CString& path)
    {
        playlist_ = &path;
        headed_ = false;
    }
    void Add(std::initializer_list<std::wstring_view> finding, size_t row)
    {
        if (!headed_) {
            text_.Append(*playlist_);
            text_.Append(L": \n");
            headed_ = true;
        }
        text_.Append(L"    ");
        for (const std::wstring_view piece : finding) text_.Append(piece);
        text_.Append(L" (");
        text_.Append(g_Messages[msg::kRowNumber] + CountToString(row) + L") \n");
        ++count_;
    }
    size_t Size() const { return count_; }
    void Export(CommandHost& host, const CString& title) { WriteExport(host, title, std::move(text_)); }

private:
    TextEncoder text_;
    const CString* playlist_ = nullptr;
    bool headed_ = false;
    size_t count_ = 0;
};

}  // namespace

void SearchPlaylistFolder(CommandHost& host, const CommandInputs& inputs)
{
    const SearchConfig config = GetSearchConfig(host, inputs.searchText);
    const std::vector<CString> names = ListPlaylistNames(inputs.sourcePath);
    GroupedFindings findings(g_Messages[msg::kSearchResultsHeading] + config.searchText + L"]: \n");
    const int32_t total = ForEachPlaylist(host, inputs.sourcePath, names, true,
                                          [&](const CString& path, const CString&, const TextLines& lines) {
                                              findings.StartPlaylist(path);
                                              for (size_t i = 0; i < lines.size(); ++i)
                                                  if (config.Find(lines[i]) != kNotFound)
                                                      findings.Add({lines[i]}, i + 1);
                                          });
    host.AddInfoLine(g_Messages[msg::kFoundPlaylistsCount] + CountToString(names.size()));
    host.AddInfoLine(g_Messages[msg::kProcessedPlaylistLinesCount] + CountToString(total));
    host.AddInfoLine(g_Messages[msg::kFindingsCount] + CountToString(findings.Size()));
    if (findings.Size() == 0) {
        host.AddInfoLine(g_Messages[msg::kNoSearchResults]);
        return;
    }
    findings.Export(host, SearchExportTitle(g_Messages[msg::kSearchResultTitle], config, findings.Size()));
}

void ReplaceInPlaylistFolder(CommandHost& host, const CommandInputs& inputs)
{
    const SearchConfig config = GetSearchConfig(host, inputs.searchText);
    const std::vector<CString> names = ListPlaylistNames(inputs.sourcePath);
    CString output;
    if (!MakeOutputFolder(host, inputs.sourcePath, CString(), output)) return;
    const std::wstring_view replacement = inputs.replaceText;
    GroupedFindings findings(g_Messages[msg::kSearchResultsHeading] + config.searchText + L"]: \n");
    int32_t created = 0;
    const int32_t total = ForEachPlaylist(host, inputs.sourcePath, names, true, [&](const CString& path,
                                                                                const CString& name,
                                                                                const TextLines& lines) {
        findings.StartPlaylist(path);
        TextEncoder text;
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::wstring_view line = lines[i];
            const size_t at = config.Find(line);
            if (at == kNotFound) {
                text.AppendLine(line);
                continue;
            }
            // Only the found units are replaced; the rest keeps the line's own spelling.
            const std::wstring_view before = line.substr(0, at), after = line.substr(at + config.searchText.size());
            text.Append(before);
            text.Append(replacement);
            text.AppendLine(after);
            findings.Add({line, L" => ", before, replacement, after}, i + 1);
        }
        const NewFile file = WritePlaylistCopy(output, name, MakeTimestamp(), text);
        if (ReportUnwritten(host, file)) return;
        host.AddInfoLine(g_Messages[msg::kNewPlaylistCreated] + file.path);
        ++created;
    });
    host.AddInfoLine(g_Messages[msg::kFoundPlaylistsCount] + CountToString(names.size()));
    host.AddInfoLine(g_Messages[msg::kProcessedPlaylistLinesCount] + CountToString(total));
    host.AddInfoLine(g_Messages[msg::kFindingsAndReplacementsCount] + CountToString(findings.Size()));
    host.AddInfoLine(g_Messages[msg::kNewPlaylistsInNewFolderCount] + CountToString(created));
    if (findings.Size() == 0) {
        host.AddInfoLine(g_Messages[msg::kNoSearchResults]);
        return;
    }
    findings.Export(host, SearchExportTitle(g_Messages[msg::kReplacementsTitle], config, findings.Size()));
}

void VerifyPlaylistFolder(CommandHost& host, const CommandInputs& inputs)
{
    ScannedSongs songs;
    songs.AddFolder(inputs.targetPath);
    const std::vector<CString> names = ListPlaylistNames(inputs.sourcePath);
    GroupedFindings missing(g_Messages[msg::kMissingReferencesHeading]);
    const int32_t total = ForEachPlaylist(host, inputs.sourcePath, names, true,
                                          [&](const CString& path, const CString&, const TextLines& lines) {
                                              missing.StartPlaylist(path);
                                              for (size_t i = 0; i < lines.size(); ++i)
                                                  if (!songs.FindPath(lines[i])) missing.Add({lines[i]}, i + 1);
                                          });
    host.AddInfoLine(g_Messages[msg::kFoundPlaylistsCount] + CountToString(names.size()));
    host.AddInfoLine(g_Messages[msg::kProcessedPlaylistLinesCount] + CountToString(total));
    host.AddInfoLine(g_Messages[msg::kFoundSongFilesCount] + CountToString(songs.Record().files.size()));
    host.AddInfoLine(g_Messages[msg::kMissingSongFilesCount] + CountToString(missing.Size()));
    if (missing.Size() == 0) {
        host.AddInfoLine(g_Messages[msg::kAllReferencedFilesFound]);
        return;
    }
    missing.Export(host, L" " + g_Messages[msg::kNotFoundMp3FilesTitle] + L" (" + CountToString(missing.Size()) + L")");
}

void SearchFileNames(CommandHost& host, const CommandInputs& inputs)
{
    const SearchConfig config = GetSearchConfig(host, inputs.searchText);
    const FolderRecord scan = ListFolder(inputs.sourcePath);
    TextEncoder text;
    text.Append(g_Messages[msg::kMatchesFoundHeading] + config.description + L": \n");
    size_t matches = 0;
    for (const FileRecord& file : scan.files) {
        // The stem alone: the extension is never searched, and a name without one is passed over.
        if (config.FindInStem(file.name) == kNotFound) continue;
        text.AppendLine(file.name);
        ++matches;
    }
    if (matches == 0) {
        host.AddInfoLine(g_Messages[msg::kNoMatchingFileNames]);
        return;
    }
    const NewFile file =
        WriteExportFile(SearchExportTitle(g_Messages[msg::kSearchResultTitle], config, matches), std::move(text));
    if (file.error == 0) host.AddInfoLine(file.path);
    ReportExport(host, file);
    host.AddInfoLine(g_Messages[msg::kMatchesCount] + CountToString(matches));
}
