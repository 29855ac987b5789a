#include "renaming_bench.h"

#include <windows.h>

#include <functional>
#include <vector>

#include "commands/executor.h"
#include "console_host.h"
#include "console_output.h"
#include "framework/handles.h"
#include "helpers/folder_scan.h"
#include "helpers/strings.h"
#include "song_names.h"
#include "texts/command_lines.h"
#include "timing.h"

namespace {

constexpr int kRuns = 3;

// Command 10 gives every file its upper-case name; in turn with it, the floor gives every file its
// lower-case name, so that each run of either renames every file. A change of case alone takes two
// renames, through a temporary name: a direct one is reported as done and changes nothing under Wine.
// The temporary name is no 8.3 name, which Wine would compare with the short name of every file.
void CaseRenameFloor(const CString& folder)
{
    const CString temporary = folder + L"floor rename.tmp";
    for (const FileRecord& file : ScanFolderAt(folder).files) {
        const CString lower = ToLowerAscii(file.name);
        if (lower == file.name) continue;
        MoveFileExW((folder + file.name).c_str(), temporary.c_str(), 0);
        MoveFileExW(temporary.c_str(), (folder + lower).c_str(), 0);
    }
}

void ReadWhole(const CString& path, std::vector<char>& buffer)
{
    const unique_handle file =
        OwnHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) return;
    buffer.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    ReadFile(file.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &read, nullptr);
}

// Command 22: both folders listed and the bytes of every playlist read.
void UnusedMarksFloor(const CString& songFolder, const CString& playlistFolder)
{
    ScanFolderAt(songFolder);
    std::vector<char> buffer;
    for (const FileRecord& file : ScanFolderAt(playlistFolder).files) ReadWhole(file.folder + file.name, buffer);
}

bool CreateCaseSongs(const CString& folder, int32_t count)
{
    if (!CreateDirectoryW(folder.c_str(), nullptr)) return false;
    const CString creation = CreationFolder(folder);
    for (int32_t k = 0; k < count; ++k)
        if (!CreateEmptyFile(creation + SongStem(k + 1, 6) + L".mp3")) return false;
    PrintLine(stderr, L"case songs " + Int64ToString(count));
    return true;
}

// The playlists name the songs of the song folder in turn, a quarter of the lines in other letter case;
// with lines enough for every song no song is marked, and the collection stays as it is.
bool CreateSongPlaylists(const Collection& collection, const PlaylistFolderSizes& sizes, const CString& folder)
{
    if (!CreateDirectoryW(folder.c_str(), nullptr)) return false;
    const FolderRecord songs = ScanFolderAt(collection.songFolder);
    if (songs.files.empty()) return false;
    std::vector<CString> lines;
    uint64_t next = 0;
    for (int32_t p = 0; p < sizes.playlists; ++p) {
        lines.clear();
        for (int32_t i = 0; i < sizes.lines; ++i, ++next) {
            const FileRecord& song = songs.files[next % songs.files.size()];
            const uint64_t random = Mix(next);
            lines.push_back(random % 4 == 0 ? WithWrongCase(song.folder + song.name, random) : song.folder + song.name);
        }
        if (!WritePlaylist(folder + L"Playlist " + PadNumber(p + 1, 5) + L".m3u", lines)) return false;
    }
    PrintLine(stderr, L"playlists " + Int64ToString(sizes.playlists));
    return true;
}

void Measure(ConsoleHost& host, int command, const CString& source, const CString& target, int32_t entries,
             int32_t files, const std::function<void()>& floor, bool verbose)
{
    const Timing timing = TimeInTurns(
        kRuns,
        [&] {
            host.Prepare(CommandLine(command), source);
            host.SetEditText(InputEdit::Target, target);
            ExecuteCommand(host, false);
        },
        floor);
    PrintTiming(command, entries, files, timing);
    if (!verbose) return;
    for (const CString& line : host.Lines()) PrintLine(stdout, L"    " + line);
}

}  // namespace

bool RunRenamingBenchmarks(const Collection& collection, int32_t caseSongs, const PlaylistFolderSizes& playlists,
                           bool verbose, bool keep)
{
    const CString caseFolder = collection.root + L"Case Songs\\";
    const CString playlistFolder = collection.root + L"Song Playlists\\";
    const bool created =
        CreateCaseSongs(caseFolder, caseSongs) && CreateSongPlaylists(collection, playlists, playlistFolder);
    if (created) {
        ConsoleHost host;
        const CString& songs = collection.songFolder;
        Measure(host, 10, caseFolder, L"", 0, caseSongs, [&] { CaseRenameFloor(caseFolder); }, verbose);
        Measure(host, 20, songs, L"", 0, collection.songFiles, [&] { ScanFolderAt(songs); }, verbose);
        Measure(host, 22, songs, playlistFolder, playlists.playlists * playlists.lines,
                collection.songFiles + playlists.playlists, [&] { UnusedMarksFloor(songs, playlistFolder); }, verbose);
    } else {
        PrintLine(stderr, L"cannot create the folders of commands 10 and 22 (error " + Int64ToString(GetLastError()) + L")");
    }
    if (keep) return created;
    int32_t removed = 0;
    RemoveFolder(caseFolder, removed);
    RemoveFolder(playlistFolder, removed);
    return created;
}
