#include "memory_bench.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "bench_folders.h"
#include "child_process.h"
#include "commands/command_host.h"
#include "commands/executor.h"
#include "console_output.h"
#include "framework/handles.h"
#include "framework/number_halves.h"
#include "helpers/strings.h"
#include "process_memory.h"
#include "state/globals.h"
#include "texts/command_lines.h"

namespace {

// The information lines are counted, not kept: in the program the list box holds them, not the command.
class CountingHost : public CommandHost {
public:
    explicit CountingHost(int line, const CString& source) : line_(line) { edits_[0] = source; }
    void AddInfoLine(const CString&) override { ++lines_; }
    CString EditText(InputEdit edit) override { return edits_[static_cast<int>(edit)]; }
    void SetEditText(InputEdit edit, const CString& text) override { edits_[static_cast<int>(edit)] = text; }
    bool IsOptionChecked(OptionBox box) override { return box == OptionBox::Case; }
    int GetSelectedCommandIndex() override { return line_; }
    int InfoLineCount() override { return 0; }
    CString InfoLineText(int) override { return CString(); }
    int32_t Lines() const { return lines_; }

private:
    int line_;
    CString edits_[4];
    int32_t lines_ = 0;
};

// Songs of one folder that does not exist: every command reads the whole playlist, and 7, 8 and 9 find
// no song, so they also export every line. Written in pieces, so that the bench itself stays small.
bool WritePlaylist(const CString& path, int32_t lines)
{
    const unique_handle file =
        OwnHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    CStringA chunk;
    for (int32_t i = 0; i < lines; ++i) {
        char line[64];
        chunk.append(line, static_cast<size_t>(std::snprintf(line, sizeof line,
                                                             "C:\\Missing Songs\\Artist %03d - Song %07d.mp3\r\n",
                                                             static_cast<int>(i % 1000), static_cast<int>(i))));
        if (chunk.size() < (1u << 20) && i + 1 < lines) continue;
        DWORD written = 0;
        if (!WriteFile(file.get(), chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr)) return false;
        chunk.clear();
    }
    return true;
}

// The file's size; 0 when it cannot be read.
uint64_t FileBytes(const CString& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return JoinHalves(data.nFileSizeHigh, data.nFileSizeLow);
}

}  // namespace

bool RunMemoryBench(int32_t lines)
{
    const CString folder = NewBenchFolder(L"tallowmere_memory_");
    if (folder.empty()) return false;
    const CString playlist = folder + L"Large.m3u";
    bool done = WritePlaylist(playlist, lines);
    const uint64_t bytes = FileBytes(playlist);
    wchar_t heading[160];
    std::swprintf(heading, std::size(heading), L"memory: one playlist of %d lines, %.1f MB, each command in a process of its own",
                  static_cast<int>(lines), Megabytes(bytes));
    PrintLine(stdout, heading);
    for (int32_t command : {4, 7, 8, 9}) {
        done = done && RunThisProgram(CString(kMemoryChildFlag) + L" " + Int64ToString(command) + L" \"" + playlist +
                                      L"\" \"" + folder + L"\"");
    }
    // The playlist, the new playlists beside it and the exports.
    WIN32_FIND_DATAW found;
    if (const unique_find find = OwnFind(FindFirstFileW((folder + L"*").c_str(), &found))) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW((folder + found.cFileName).c_str());
        } while (FindNextFileW(find.get(), &found));
    }
    RemoveDirectoryW(folder.c_str());
    return done;
}

int RunMemoryChild(int32_t command, const CString& playlist, const CString& exportFolder)
{
    g_ExportsDir = exportFolder;
    const uint64_t idle = CurrentMemory().peakWorkingSet;
    const uint64_t bytes = FileBytes(playlist);
    if (bytes == 0) return 1;
    CountingHost host(CommandLine(command), playlist);
    ExecuteCommand(host, false);
    const uint64_t peak = CurrentMemory().peakWorkingSet;
    wchar_t row[200];
    std::swprintf(row, std::size(row), L"cmd %d  lines logged %d  peak %.1f MB = idle %.1f MB + %.2f x the playlist",
                  static_cast<int>(command), static_cast<int>(host.Lines()), Megabytes(peak), Megabytes(idle),
                  static_cast<double>(peak - idle) / static_cast<double>(bytes));
    PrintLine(stdout, row);
    return 0;
}
