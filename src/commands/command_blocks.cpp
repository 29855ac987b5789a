#include "commands/command_blocks.h"

#include <array>
#include <initializer_list>

#include "commands/playlist_corrections.h"
#include "commands/playlists_from_sources.h"
#include "texts/text_tables.h"

namespace {

struct BlockRow {
    int line;
    CommandBlock block;
};

constexpr std::array<CommandBlock, kCommandListRows> MakeBlockTable(std::initializer_list<BlockRow> rows)
{
    std::array<CommandBlock, kCommandListRows> table{};
    for (const BlockRow& row : rows) table[row.line] = row.block;
    return table;
}

// One row per command line whose block is built, as {line, block}. Headings and separator lines
// never get one; the validation does not let them run.
constexpr auto kBlocks = MakeBlockTable({
    {1, &CreatePlaylistFromShortcutsAscending},
    {2, &CreatePlaylistFromShortcutsDescending},
    {3, &CreatePlaylistFromShortcutsShuffled},
    {4, &CreatePlaylistFromPlaylistAscending},
    {5, &CreatePlaylistFromPlaylistDescending},
    {6, &CreatePlaylistFromPlaylistShuffled},
    {7, &CorrectPlaylistBlanks},
    {8, &CorrectPlaylistDuplicates},
    {9, &VerifyPlaylist},
});

}  // namespace

CommandBlock FindCommandBlock(int index)
{
    return index >= 0 && index < kCommandListRows ? kBlocks[index] : nullptr;
}
