#include "commands/playlist_order.h"

#include <windows.h>
#include <bcrypt.h>

#include <algorithm>
#include <array>
#include <functional>
#include <utility>

#include "commands/command_reports.h"
#include "commands/new_files.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "helpers/text_encoding.h"
#include "helpers/timestamps.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// Words from the system's random source, fetched in batches: one call per entry would cost more
// than the shuffle itself on long playlists.
class SystemRandom {
public:
    // A uniform index from 0 to last; false when the source failed.
    bool DrawIndex(uint32_t last, uint32_t& index)
    {
        const uint32_t bound = last + 1;
        // Words below 2^32 mod bound are drawn again, so that every remainder is equally likely.
        const uint32_t rejectBelow = (0u - bound) % bound;
        uint32_t word = 0;
        do {
            if (!NextWord(word)) return false;
        } while (word < rejectBelow);
        index = word % bound;
        return true;
    }
    uint32_t Status() const { return static_cast<uint32_t>(status_); }

private:
    bool NextWord(uint32_t& word)
    {
        if (next_ == words_.size()) {
            status_ = BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(words_.data()), sizeof(words_),
                                      BCRYPT_USE_SYSTEM_PREFERRED_RNG);
            if (!BCRYPT_SUCCESS(status_)) return false;
            next_ = 0;
        }
        word = words_[next_++];
        return true;
    }

    std::array<uint32_t, 256> words_{};
    size_t next_ = words_.size();
    NTSTATUS status_ = 0;
};

// Fisher-Yates: position i swaps with a position drawn uniformly from 0 to i.
uint32_t Shuffle(std::vector<std::wstring_view>& entries)
{
    SystemRandom random;
    for (size_t i = 1; i < entries.size(); ++i) {
        uint32_t j = 0;
        if (!random.DrawIndex(static_cast<uint32_t>(i), j)) return random.Status();
        if (j != i) std::swap(entries[i], entries[j]);
    }
    return 0;
}

const CString& NamePrefix(PlaylistOrder order)
{
    switch (order) {
    case PlaylistOrder::Descending: return g_Messages[msg::kDescendingPlaylistTitle];
    case PlaylistOrder::Shuffled: return g_Messages[msg::kShuffledPlaylistTitle];
    default: return g_Messages[msg::kAlphabeticalPlaylistTitle];
    }
}

}  // namespace

uint32_t PutInOrder(std::vector<std::wstring_view>& entries, PlaylistOrder order)
{
    // wchar_t is an unsigned 16-bit unit here, so the string comparison is by code unit.
    switch (order) {
    case PlaylistOrder::Ascending: std::sort(entries.begin(), entries.end()); return 0;
    case PlaylistOrder::Descending: std::sort(entries.begin(), entries.end(), std::greater<>()); return 0;
    default: return Shuffle(entries);
    }
}

void WriteNewPlaylist(CommandHost& host, PlaylistOrder order, const CString& folder,
                      std::vector<std::wstring_view>& entries, int32_t songCount)
{
    if (const uint32_t status = PutInOrder(entries, order); status != 0) {
        ReportFailure(host, status);
        return;
    }
    TextEncoder text;
    size_t bytes = 0;
    for (const std::wstring_view entry : entries) bytes += entry.size() + 2;
    text.Reserve(bytes);
    for (const std::wstring_view entry : entries) text.AppendLine(entry);
    // The stamp is taken once the entries are in order.
    const NewFile file = WriteNewStampedFile(
        [&](const CString& stamp) { return folder + NamePrefix(order) + stamp + L".m3u"; },
        MakeTimestamp(), text.Finish());
    if (ReportUnwritten(host, file)) return;
    host.AddInfoLine(g_Messages[msg::kPlaylistGeneratedIn] + folder + L". Name: " + GetFileNamePart(file.path) + L". " +
                     g_Messages[msg::kFoundSongsCount] + Int64ToString(songCount) + L".");
}
