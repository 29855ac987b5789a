#include "song_moves_bench.h"

#include <windows.h>

#include <cwchar>
#include <vector>

#include "commands/command_records.h"
#include "commands/executor.h"
#include "console_host.h"
#include "console_output.h"
#include "framework/handles.h"
#include "helpers/folder_scan.h"
#include "helpers/numbered_names.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "song_names.h"
#include "texts/command_lines.h"
#include "timing.h"

namespace {

constexpr int32_t kClashEvery = 10;  // about a tenth of the files meet a taken name or miss their original

// Each folder twice: as it is created and removed, and in the form the commands and floors get, in
// which Wine takes a path as written (see CreationFolder). Otherwise Wine would look for every new
// name through the whole song folder under any letter case, and that listing, the same for command
// and floor, would be most of what is timed.
struct BenchFolder {
    explicit BenchFolder(const CString& created) : path(created), used(CreationFolder(created)) {}
    CString path;
    CString used;
};

struct BenchCase {
    int command;
    const BenchFolder* source;
    const BenchFolder* target;
    std::vector<FileMove> files;  // where each file is and where the command is to put it
    bool copies = false;          // copied, not moved
};

std::vector<CString> OriginalNames(const FolderRecord& songs)
{
    std::vector<CString> names;
    for (const FileRecord& file : songs.files)
        if (IsNumberedName(file.name) < 1) names.push_back(file.name);
    return names;
}

// Command 24: new songs, and every tenth one named like a song of the song folder in other letter case.
bool AddIncoming(BenchCase& bench, const std::vector<CString>& originals, int32_t count)
{
    const size_t stride = originals.size() / static_cast<size_t>(count / kClashEvery + 1);
    for (int32_t i = 0; i < count; ++i) {
        const bool clash = i % kClashEvery == 0;
        const CString name = clash ? WithWrongCase(originals[static_cast<size_t>(i / kClashEvery) * stride], Mix(i))
                                   : L"Incoming " + SongStem(i, 6) + L".mp3";
        if (!CreateEmptyFile(bench.source->used + name)) return false;
        bench.files.push_back({bench.source->used + name, bench.target->used + (clash ? NextNumberedName(name) : name)});
    }
    return true;
}

// Command 26: the numbered duplicates of the song folder; the doublet folder holds every tenth name already.
bool AddDuplicates(BenchCase& bench, const FolderRecord& songs)
{
    int32_t duplicates = 0;
    for (const FileRecord& file : songs.files) {
        if (IsNumberedName(file.name) < 1) continue;
        const bool clash = duplicates++ % kClashEvery == 0;
        if (clash && !CreateEmptyFile(bench.target->used + file.name)) return false;
        bench.files.push_back({bench.source->used + file.name,
                               bench.target->used + (clash ? NextNumberedName(file.name) : file.name)});
    }
    return true;
}

// Command 28: numbered copies of songs of the song folder, and every tenth one of a song that is missing.
bool AddDoublets(BenchCase& bench, const std::vector<CString>& originals, int32_t count)
{
    for (int32_t i = 0; i < count; ++i) {
        const CString& original = originals[static_cast<size_t>(i) % originals.size()];
        const CString stem = i % kClashEvery == 0 ? L"Missing " + SongStem(i, 6) : StripExtension(original);
        if (!CreateEmptyFile(bench.target->used + stem + L"#3.mp3")) return false;
        if (i % kClashEvery == 0) bench.files.push_back({bench.target->used + stem + L"#3.mp3", bench.source->used + stem + L".mp3"});
    }
    return true;
}

// A copy is flushed to the disk before it counts, as the commands' copies are.
void CopyFlushed(const FileMove& file)
{
    if (!CopyFileW(file.sourcePath.c_str(), file.targetPath.c_str(), TRUE)) return;
    const unique_handle copy =
        OwnHandle(CreateFileW(file.targetPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (copy) FlushFileBuffers(copy.get());
}

void Floor(const BenchCase& bench)
{
    ScanFolderAt(bench.source->used);
    ScanFolderAt(bench.target->used);
    for (const FileMove& file : bench.files) {
        if (bench.copies) CopyFlushed(file);
        else MoveFileExW(file.sourcePath.c_str(), file.targetPath.c_str(), MOVEFILE_COPY_ALLOWED);
    }
}

// Every file back where it was; command 24 also leaves its playlist and failure list in the folder it
// emptied. A file that cannot be put back means the command placed it elsewhere than the floor did.
void Reset(const BenchCase& bench)
{
    if (bench.command == 24)
        for (const FileRecord& file : ScanFolderAt(bench.source->used).files) DeleteFileW((file.folder + file.name).c_str());
    int32_t missed = 0;
    for (const FileMove& file : bench.files) {
        const bool back = bench.copies ? DeleteFileW(file.targetPath.c_str())
                                       : MoveFileExW(file.targetPath.c_str(), file.sourcePath.c_str(), 0);
        if (!back) ++missed;
    }
    if (missed > 0) PrintLine(stderr, L"cmd " + Int64ToString(bench.command) + L": " + Int64ToString(missed) + L" files not where expected");
}

void RunCase(const BenchCase& bench, int runs, bool verbose)
{
    const auto sourceFiles = ScanFolderAt(bench.source->used).files.size();
    const auto targetFiles = ScanFolderAt(bench.target->used).files.size();
    ConsoleHost host;
    const Timing timing = TimeInTurns(
        runs,
        [&] {
            host.Prepare(CommandLine(bench.command), bench.source->used);
            host.SetEditText(InputEdit::Target, bench.target->used);
            ExecuteCommand(host, false);
        },
        [&] { Floor(bench); }, [&] { Reset(bench); });
    wchar_t row[200];
    std::swprintf(row, std::size(row), L"cmd %d  %ls %zu  files %zu + %zu  time %.0f ms  floor %.0f ms  ratio %.2f",
                  bench.command, bench.copies ? L"copies" : L"moves", bench.files.size(), sourceFiles, targetFiles,
                  timing.commandMs, timing.floorMs, timing.commandMs / timing.floorMs);
    PrintLine(stdout, row);
    if (!verbose) return;
    for (size_t i = host.Lines().size() > 3 ? host.Lines().size() - 3 : 0; i < host.Lines().size(); ++i)
        PrintLine(stdout, L"    " + host.Lines()[i]);
}

}  // namespace

bool RunSongMoveBenchmarks(const Collection& collection, int runs, bool verbose)
{
    const CString incomingPath = collection.root + L"Incoming\\", doubletPath = collection.root + L"Doublets\\",
                  poolPath = collection.root + L"Doublet Pool\\";
    for (const CString* path : {&incomingPath, &doubletPath, &poolPath})
        if (!CreateFolder(*path)) return false;
    const BenchFolder songs(collection.songFolder), incoming(incomingPath), doublets(doubletPath), pool(poolPath);
    const FolderRecord songScan = ScanFolderAt(songs.used);
    const std::vector<CString> originals = OriginalNames(songScan);
    const int32_t count = collection.songFiles / kClashEvery;

    BenchCase cases[] = {{24, &incoming, &songs, {}}, {26, &songs, &doublets, {}}, {28, &songs, &pool, {}, true}};
    const bool created = AddIncoming(cases[0], originals, count) && AddDuplicates(cases[1], songScan) &&
                         AddDoublets(cases[2], originals, count);
    if (created) {
        PrintLine(stdout, L"moves and copies beside the song folder, best of " + Int64ToString(runs));
        for (const BenchCase& bench : cases) RunCase(bench, runs, verbose);
    }
    int32_t removed = 0;
    for (const CString* path : {&incomingPath, &doubletPath, &poolPath}) RemoveFolder(*path, removed);
    return created;
}
