#include "commands/command_blocks.h"

#include <array>
#include <initializer_list>

#include "commands/info_list_export.h"
#include "commands/openers.h"
#include "commands/playlist_corrections.h"
#include "commands/playlist_folders.h"
#include "commands/playlist_searches.h"
#include "commands/playlists_from_sources.h"
#include "commands/renaming.h"
#include "commands/shortcuts_from_playlist.h"
#include "commands/song_copies.h"
#include "commands/song_moves.h"
#include "commands/unused_marks.h"
#include "state/globals.h"
#include "texts/command_lines.h"

namespace {

using Host = CommandHost;
using Inputs = CommandInputs;

struct BlockRow {
    int command;
    CommandBlock block;
};

// Built while compiling: a number outside 1 to 42 or a command registered twice stops the build.
consteval std::array<CommandBlock, kCommandCount + 1> MakeBlockTable(std::initializer_list<BlockRow> rows)
{
    std::array<CommandBlock, kCommandCount + 1> table{};
    for (const BlockRow& row : rows) {
        if (row.command < 1 || row.command > kCommandCount) throw "no command has this number";
        if (table[static_cast<size_t>(row.command)]) throw "the command is registered twice";
        table[static_cast<size_t>(row.command)] = row.block;
    }
    return table;
}

// One row per command, as {number, block}; a row may be a lambda without captures.
constexpr auto kBlocks = MakeBlockTable({
    {1, [](Host& host, const Inputs& inputs) { CreatePlaylistFromShortcuts(host, inputs, PlaylistOrder::Ascending); }},
    {2, [](Host& host, const Inputs& inputs) { CreatePlaylistFromShortcuts(host, inputs, PlaylistOrder::Descending); }},
    {3, [](Host& host, const Inputs& inputs) { CreatePlaylistFromShortcuts(host, inputs, PlaylistOrder::Shuffled); }},
    {4, [](Host& host, const Inputs& inputs) { CreatePlaylistFromPlaylist(host, inputs, PlaylistOrder::Ascending); }},
    {5, [](Host& host, const Inputs& inputs) { CreatePlaylistFromPlaylist(host, inputs, PlaylistOrder::Descending); }},
    {6, [](Host& host, const Inputs& inputs) { CreatePlaylistFromPlaylist(host, inputs, PlaylistOrder::Shuffled); }},
    {7, &CorrectPlaylistBlanks},
    {8, &CorrectPlaylistDuplicates},
    {9, &VerifyPlaylist},
    {10, [](Host& host, const Inputs& inputs) { RenameByCaseRule(host, inputs, CaseRule::Upper, L""); }},
    {11, [](Host& host, const Inputs& inputs) { RenameByCaseRule(host, inputs, CaseRule::Lower, L""); }},
    {12, [](Host& host, const Inputs& inputs) { RenameByCaseRule(host, inputs, CaseRule::FirstCap, L""); }},
    {13, [](Host& host, const Inputs& inputs) { RenameByCaseRule(host, inputs, CaseRule::FirstCapLeft, inputs.searchText); }},
    {14, [](Host& host, const Inputs& inputs) { RenameByCaseRule(host, inputs, CaseRule::AllCapLeft, inputs.searchText); }},
    {15, [](Host& host, const Inputs& inputs) { RenameByCaseRule(host, inputs, CaseRule::AllSmallLeft, inputs.searchText); }},
    {16, [](Host& host, const Inputs& inputs) { RenameByCaseRule(host, inputs, CaseRule::FirstCapRight, inputs.searchText); }},
    {17, [](Host& host, const Inputs& inputs) { RenameByCaseRule(host, inputs, CaseRule::AllCapRight, inputs.searchText); }},
    {18, [](Host& host, const Inputs& inputs) { RenameByCaseRule(host, inputs, CaseRule::AllSmallRight, inputs.searchText); }},
    {19, [](Host& host, const Inputs& inputs) { RenameByCaseRule(host, inputs, CaseRule::DeleteSuperfluousWhiteSpace, L""); }},
    {20, &VerifyDuplicateNames},
    {21, &FindAndReplaceInNames},
    {22, &MarkUnusedSongs},
    {23, &DeleteUnusedMarks},
    {24, &EmptySongFolder},
    {25, &CopyPlaylistSongs},
    {26, &MoveNumberedDuplicates},
    {27, &MoveUnusedSongs},
    {28, &RestoreFromDuplicates},
    {29, &RestoreFromUnused},
    {30, &MoveSearchMatches},
    {31, &CorrectFolderDuplicates},
    {32, &PointFolderIntoSongFolder},
    {33, &MovePlaylistsIntoSubFolders},
    {34, &SearchPlaylistFolder},
    {35, &ReplaceInPlaylistFolder},
    {36, &VerifyPlaylistFolder},
    {37, &SearchFileNames},
    {38, [](Host& host, const Inputs&) { OpenFolderInExplorer(host, g_ExportsDir); }},
    {39, [](Host& host, const Inputs&) { OpenFolderInExplorer(host, g_SettingsDir); }},
    {40, &OpenSettingsFile},
    {41, &ExportInfoList},
    {42, &CreateShortcutsFromPlaylist},
});

}  // namespace

CommandBlock FindCommandBlock(int command)
{
    return command >= 1 && command <= kCommandCount ? kBlocks[static_cast<size_t>(command)] : nullptr;
}
