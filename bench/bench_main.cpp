// Times the playlist commands, the commands that move and copy songs and the built-in file browser on
// a generated collection, each beside the bare file work it cannot avoid, and command 9 through the
// real window beside the console.
// Usage: tallowmere_bench [--songs N] [--shortcuts N] [--small N] [--large N] [--skip-shortcuts]
//                         [--playlists N] [--playlist-lines N]
//                         [--case-songs N] [--browser] [--window] [--playlist-folders] [--renaming]
//                         [--moves] [--memory] [--memory-lines N] [--keep] [--verbose]
// --browser times only the browser's opening and refreshing of the song folder and header clicks on it
// (with no row selected, and with selections of ten shapes, each reversed and sorted by size), and
// measures the memory of its rows; --window only command 9 in the window, on a playlist of --large songs
// that are all missing; --playlist-folders only the commands over a folder of --playlists playlists of
// --playlist-lines lines each; --renaming only commands 10 (on a folder of --case-songs songs), 20 and
// 22 (against such a folder of playlists); --moves only commands 24, 26 and 28; --memory only the peak
// memory of commands 4, 7, 8 and 9 on a playlist of --memory-lines lines.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <functional>
#include <vector>

#include "browser_bench.h"
#include "collection.h"
#include "commands/executor.h"
#include "console_host.h"
#include "console_output.h"
#include "floors.h"
#include "memory_bench.h"
#include "playlist_folder_bench.h"
#include "renaming_bench.h"
#include "framework/com.h"
#include "framework/message_boxes.h"
#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "song_moves_bench.h"
#include "state/globals.h"
#include "texts/command_lines.h"
#include "texts/text_tables.h"
#include "timing.h"
#include "window_bench.h"

namespace {

constexpr int kRuns = 3;

struct BenchOptions {
    CollectionSizes sizes;
    PlaylistFolderSizes folderSizes;
    bool skipShortcuts = false;
    bool browserOnly = false;
    bool windowOnly = false;
    bool playlistFoldersOnly = false;
    bool renamingOnly = false;
    int32_t caseSongs = 10000;  // the folder that command 10 renames
    bool movesOnly = false;
    bool memoryOnly = false;
    int32_t memoryLines = 1000000;  // the playlist of the memory measurement
    bool keep = false;
    bool verbose = false;
};

// A whole positive number, nothing else.
bool ReadCount(const wchar_t* text, int32_t& count)
{
    wchar_t* end = nullptr;
    const long value = std::wcstol(text, &end, 10);
    if (end == text || *end != L'\0' || value < 1 || value > 10000000) return false;
    count = static_cast<int32_t>(value);
    return true;
}

bool ParseArguments(int argc, wchar_t** argv, BenchOptions& options)
{
    const struct {
        const wchar_t* name;
        int32_t* count;
    } counts[] = {
        {L"--songs", &options.sizes.songs},
        {L"--shortcuts", &options.sizes.shortcuts},
        {L"--small", &options.sizes.smallEntries},
        {L"--large", &options.sizes.largeEntries},
        {L"--playlists", &options.folderSizes.playlists},
        {L"--playlist-lines", &options.folderSizes.lines},
        {L"--case-songs", &options.caseSongs},
        {L"--memory-lines", &options.memoryLines},
    };
    const struct {
        const wchar_t* name;
        bool* flag;
    } flags[] = {
        {L"--skip-shortcuts", &options.skipShortcuts},
        {L"--browser", &options.browserOnly},
        {L"--window", &options.windowOnly},
        {L"--playlist-folders", &options.playlistFoldersOnly},
        {L"--renaming", &options.renamingOnly},
        {L"--moves", &options.movesOnly},
        {L"--memory", &options.memoryOnly},
        {L"--keep", &options.keep},
        {L"--verbose", &options.verbose},
    };
    for (int i = 1; i < argc; ++i) {
        const CString argument = argv[i];
        bool known = false;
        for (const auto& row : counts) {
            if (argument != row.name) continue;
            if (++i >= argc || !ReadCount(argv[i], *row.count)) return false;
            known = true;
        }
        for (const auto& row : flags) {
            if (argument != row.name) continue;
            *row.flag = true;
            known = true;
        }
        if (!known) return false;
    }
    if (options.skipShortcuts || options.browserOnly || options.playlistFoldersOnly || options.renamingOnly ||
        options.movesOnly)
        options.sizes.shortcuts = 0;
    return true;
}

struct BenchCase {
    int command;  // its number
    CString source;
    int32_t entries;
    int32_t files;
    std::function<void()> floor;
};

// The playlist as it is read, joined again: the floors write a text of this size.
CString PlaylistText(const CString& playlist)
{
    TextLines entries;
    (void)ReadNonEmptyLines(entries, playlist);  // the bench wrote it
    CString text;
    for (const std::wstring_view entry : entries) {
        text += entry;
        text += L'\n';
    }
    return text;
}

void RunCase(ConsoleHost& host, const BenchCase& bench, bool verbose)
{
    const Timing timing = TimeInTurns(
        kRuns,
        [&] {
            host.Prepare(CommandLine(bench.command), bench.source);
            ExecuteCommand(host, false);
        },
        bench.floor);
    PrintTiming(bench.command, bench.entries, bench.files, timing);
    if (!verbose) return;
    for (const CString& line : host.Lines()) PrintLine(stdout, L"    " + line);
}

void RunBenchmarks(const Collection& collection, const BenchOptions& options)
{
    const CString output = collection.scratchFolder + L"floor.m3u";
    const CString smallText = PlaylistText(collection.smallPlaylist);
    const CString largeText = PlaylistText(collection.largePlaylist);
    const CollectionSizes& sizes = options.sizes;
    const auto correctionFloor = [&](const CString& playlist, const CString& text) {
        return [&collection, &output, playlist, &text] {
            CorrectionFloor(playlist, collection.songFolder, output, text);
        };
    };

    std::vector<BenchCase> cases;
    if (!options.skipShortcuts)
        cases.push_back({1, collection.shortcutFolder, collection.shortcutFiles, collection.shortcutFiles,
                         [&] { ShortcutFloor(collection.shortcutFolder); }});
    cases.push_back({4, collection.largePlaylist, sizes.largeEntries, 0,
                     [&] { PlaylistCopyFloor(collection.largePlaylist, output, largeText); }});
    cases.push_back({7, collection.smallPlaylist, sizes.smallEntries, collection.songFiles,
                     correctionFloor(collection.smallPlaylist, smallText)});
    cases.push_back({7, collection.largePlaylist, sizes.largeEntries, collection.songFiles,
                     correctionFloor(collection.largePlaylist, largeText)});
    cases.push_back({8, collection.largePlaylist, sizes.largeEntries, collection.songFiles,
                     correctionFloor(collection.largePlaylist, largeText)});
    cases.push_back({9, collection.verifyPlaylist, sizes.largeEntries, collection.songFiles + collection.moreSongFiles,
                     [&] {
                         VerifyFloor(collection.verifyPlaylist, {collection.songFolder, collection.moreSongFolder});
                     }});

    PrintLine(stdout, L"songs " + Int64ToString(collection.songFiles) + L" + " +
                          Int64ToString(collection.moreSongFiles) + L" in a second folder, shortcuts " +
                          Int64ToString(collection.shortcutFiles) + L", best of " + Int64ToString(kRuns));
    ConsoleHost host;
    for (const BenchCase& bench : cases) RunCase(host, bench, options.verbose);
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    CopyLanguageTables(L"English");
    if (argc == 5 && CString(argv[1]) == kMemoryChildFlag) return RunMemoryChild(_wtoi(argv[2]), argv[3], argv[4]);
    if (argc == 4 && CString(argv[1]) == kBrowserMemoryChildFlag) return RunBrowserMemoryChild(argv[2], argv[3]);
    BenchOptions options;
    if (!ParseArguments(argc, argv, options)) {
        PrintLine(stderr, L"usage: tallowmere_bench [--songs N] [--shortcuts N] [--small N] [--large N] "
                          L"[--skip-shortcuts] [--playlists N] [--playlist-lines N] [--browser] [--window] "
                          L"[--playlist-folders] [--case-songs N] [--renaming] [--moves] [--memory] "
                          L"[--memory-lines N] [--keep] [--verbose]");
        return 2;
    }
    const ComApartment com;
    if (FAILED(com.Result())) {
        PrintLine(stderr, L"COM cannot be initialised");
        return 1;
    }
    // A box would stop the run: its text goes to stderr and the question is answered Yes.
    SetMessageBoxAnswerer([](const CString& text, const CString&, UINT type) {
        PrintLine(stderr, L"box: " + text);
        return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
    });
    g_OpenExport = 0;
    if (options.windowOnly) return RunWindowBench(options.sizes.largeEntries, kRuns) ? 0 : 1;
    if (options.memoryOnly) return RunMemoryBench(options.memoryLines) ? 0 : 1;

    Collection collection;
    bool done = CreateCollection(options.sizes, collection);
    const bool everything =
        !options.browserOnly && !options.playlistFoldersOnly && !options.renamingOnly && !options.movesOnly;
    g_ExportsDir = collection.exportFolder;
    if (done && everything) RunBenchmarks(collection, options);
    if (done && (everything || options.playlistFoldersOnly))
        done = RunPlaylistFolderBench(collection, options.folderSizes, options.verbose);
    if (done && (everything || options.renamingOnly))
        done = RunRenamingBenchmarks(collection, options.caseSongs, options.folderSizes, options.verbose, options.keep);
    if (done && (everything || options.movesOnly)) done = RunSongMoveBenchmarks(collection, kRuns, options.verbose);
    // Without a display only the browser's own run counts as failed.
    if (done && (everything || options.browserOnly)) done = RunBrowserBench(collection, kRuns) || !options.browserOnly;
    if (options.keep) PrintLine(stderr, L"kept " + collection.root);
    else if (!collection.root.empty()) RemoveCollection(collection);
    // Likewise the window's measurement, which needs a display too.
    if (done && everything) done = RunMemoryBench(options.memoryLines);
    if (done && everything) RunWindowBench(options.sizes.largeEntries, kRuns);
    return done ? 0 : 1;
}
