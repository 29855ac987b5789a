#include "playlist_folder_bench.h"

#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "commands/executor.h"
#include "console_host.h"
#include "console_output.h"
#include "framework/handles.h"
#include "helpers/folder_scan.h"
#include "helpers/numbered_names.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "helpers/text_encoding.h"
#include "helpers/text_files.h"
#include "song_names.h"
#include "texts/command_lines.h"
#include "timing.h"

// The floors and the scratch files time bare work on the bench's own folders: results are not looked at.
namespace {

constexpr int kRuns = 3;

// The searches ignore the case, so that every line is folded as it is searched.
class FolderHost : public ConsoleHost {
public:
    bool IsOptionChecked(OptionBox) override { return false; }
};

struct PlaylistFolder {
    CString path;  // ends in "\"
    int64_t bytes = 0;
    int64_t lines = 0;
};

// Entry j of a playlist: mostly songs as they are named, else in the wrong case, from a wrong
// folder, as a numbered copy, missing, or a comment line.
CString Entry(const Collection& collection, const FolderRecord& songs, uint64_t random)
{
    const CString& name = songs.files[random % songs.files.size()].name;
    const uint64_t kind = (random >> 32) % 100;
    if (kind < 4) return L"#EXTINF:" + Int64ToString(static_cast<int64_t>(random >> 48) % 600) + L"," + StripExtension(name);
    if (kind < 14) return collection.songFolder + L"Missing Song " + Int64ToString(static_cast<int64_t>(random >> 20)) + L".mp3";
    if (kind < 22) return collection.songFolder + StripExtension(name) + L"#" + Int64ToString(3 + (random >> 8) % 7) + L".mp3";
    if (kind < 30) return L"D:\\Old Music\\" + name;
    if (kind < 45) return WithWrongCase(collection.songFolder + name, random >> 4);
    return collection.songFolder + name;
}

bool CreatePlaylistFolder(const Collection& collection, const PlaylistFolderSizes& sizes, PlaylistFolder& folder)
{
    FolderRecord songs;
    songs.path = collection.songFolder;
    (void)ScanFolder(songs);
    folder.path = collection.root + L"Playlist Folder\\";
    if (songs.files.empty() || !CreateDirectoryW(folder.path.c_str(), nullptr)) {
        PrintLine(stderr, L"cannot create " + folder.path);
        return false;
    }
    for (int32_t p = 0; p < sizes.playlists; ++p) {
        TextEncoder text;
        text.AppendLine(L"#EXTM3U");
        for (int32_t j = 1; j < sizes.lines; ++j)
            text.AppendLine(Entry(collection, songs, Mix((uint64_t{7} << 40) + uint64_t(p) * uint64_t(sizes.lines) + j)));
        const std::optional<CStringA> bytes = text.Finish();
        const CString path = folder.path + L"Playlist " + PadNumber(p + 1, 5) + L".m3u";
        if (const int32_t error = WriteEncodedFile(path, bytes, ExistingFile::Keep); error != 0) {
            PrintLine(stderr, L"cannot create " + path + L" (error " + Int64ToString(error) + L")");
            return false;
        }
        folder.bytes += static_cast<int64_t>(bytes->size());
        folder.lines += sizes.lines;
        if ((p + 1) % 100 == 0) PrintLine(stderr, L"playlists " + Int64ToString(p + 1) + L"/" + Int64ToString(sizes.playlists));
    }
    return true;
}

// Calls visit with each file of the folder (ending in "\") and its size; sub-folders too when deep.
template <typename Visit>
void ForEachFile(const CString& folder, bool deep, Visit visit)
{
    FolderRecord record;
    record.path = folder;
    (void)ScanFolder(record);
    for (const FileRecord& file : record.files) visit(folder + file.name, file.size);
    if (!deep) return;
    for (const SubfolderEntry& sub : record.subfolders) ForEachFile(sub.path, false, visit);
}

// What a run wrote: the output folders in the playlist folder, the exports, the floor's files.
void RemoveOutput(const Collection& collection, const PlaylistFolder& folder)
{
    ForEachFile(folder.path, true, [&](const CString& path, uint64_t) {
        if (GetFolderPart(path) != folder.path) DeleteFileW(path.c_str());
    });
    FolderRecord record;
    record.path = folder.path;
    (void)ScanFolder(record);
    for (const SubfolderEntry& sub : record.subfolders) RemoveDirectoryW(sub.path.c_str());
    for (const CString* other : {&collection.exportFolder, &collection.scratchFolder})
        ForEachFile(*other, false, [](const CString& path, uint64_t) { DeleteFileW(path.c_str()); });
}

// The sizes of the files a run wrote, for the floor to write as many bytes.
std::vector<uint64_t> OutputSizes(const Collection& collection, const PlaylistFolder& folder)
{
    std::vector<uint64_t> sizes;
    const auto add = [&](const CString& path, uint64_t size) {
        if (GetFolderPart(path) != folder.path) sizes.push_back(size);
    };
    ForEachFile(folder.path, true, add);
    ForEachFile(collection.exportFolder, false, add);
    return sizes;
}

// Listing the playlist folder (and the song folder when the command lists it), reading every
// playlist, and writing files of the sizes the command wrote, with the same writer.
void FolderFloor(const PlaylistFolder& folder, const CString& songFolder, const std::vector<uint64_t>& sizes,
                 const CString& scratch)
{
    FolderRecord lists;
    lists.path = folder.path;
    (void)ScanFolder(lists);
    if (!songFolder.empty()) {
        FolderRecord songs;
        songs.path = songFolder;
        (void)ScanFolder(songs);
    }
    TextLines lines;
    for (const FileRecord& file : lists.files) {
        lines.Truncate(0);
        (void)ReadNonEmptyLines(lines, folder.path + file.name);
    }
    for (size_t i = 0; i < sizes.size(); ++i)
        (void)WriteEncodedFile(scratch + Int64ToString(static_cast<int64_t>(i)) + L".m3u", CStringA(sizes[i], 'x'),
                         ExistingFile::Keep);
}

struct FolderCase {
    int command;
    bool listsSongs;
    const wchar_t* search;
    const wchar_t* replace;
};

void RunCase(const Collection& collection, const PlaylistFolder& folder, const FolderCase& bench, bool verbose)
{
    FolderHost host;
    const auto command = [&] {
        host.Prepare(CommandLine(bench.command), folder.path);
        host.SetEditText(InputEdit::Target, collection.songFolder);
        host.SetEditText(InputEdit::Search, bench.search);
        host.SetEditText(InputEdit::Replace, bench.replace);
        ExecuteCommand(host, false);
    };
    const auto tidy = [&] { RemoveOutput(collection, folder); };
    command();
    const std::vector<uint64_t> sizes = OutputSizes(collection, folder);
    tidy();
    const CString songFolder = bench.listsSongs ? collection.songFolder : CString();
    const Timing timing = TimeInTurns(
        kRuns, command, [&] { FolderFloor(folder, songFolder, sizes, collection.scratchFolder); }, tidy);
    uint64_t written = 0;
    for (const uint64_t size : sizes) written += size;
    wchar_t row[200];
    std::swprintf(row, std::size(row), L"cmd %d  files written %u (%.1f MB)  time %.0f ms  floor %.0f ms  ratio %.2f",
                  bench.command, static_cast<unsigned>(sizes.size()), static_cast<double>(written) / 1e6,
                  timing.commandMs, timing.floorMs, timing.commandMs / timing.floorMs);
    PrintLine(stdout, row);
    if (!verbose) return;
    for (const CString& line : host.Lines()) PrintLine(stdout, L"    " + line);
}

}  // namespace

bool RunPlaylistFolderBench(const Collection& collection, const PlaylistFolderSizes& sizes, bool verbose)
{
    PlaylistFolder folder;
    if (!CreatePlaylistFolder(collection, sizes, folder)) return false;
    wchar_t heading[200];
    std::swprintf(heading, std::size(heading), L"playlist folder: %d playlists, %lld lines, %.1f MB; songs %d; best of %d",
                  sizes.playlists, static_cast<long long>(folder.lines), static_cast<double>(folder.bytes) / 1e6,
                  collection.songFiles, kRuns);
    PrintLine(stdout, heading);
    const FolderCase cases[] = {
        {31, true, L"", L""}, {32, false, L"", L""}, {34, false, L"love", L""}, {35, false, L"love", L"LOVE"},
        {36, true, L"", L""},
    };
    for (const FolderCase& bench : cases) RunCase(collection, folder, bench, verbose);

    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    // The peak of the whole bench process: alone (--playlist-folders) it is the commands' own.
    std::swprintf(heading, std::size(heading), L"peak working set of the bench %.1f MB = %.2f x the %.1f MB of playlists read",
                  static_cast<double>(memory.PeakWorkingSetSize) / 1e6,
                  static_cast<double>(memory.PeakWorkingSetSize) / static_cast<double>(folder.bytes),
                  static_cast<double>(folder.bytes) / 1e6);
    PrintLine(stdout, heading);
    ForEachFile(folder.path, false, [](const CString& path, uint64_t) { DeleteFileW(path.c_str()); });
    RemoveDirectoryW(folder.path.c_str());
    return true;
}
