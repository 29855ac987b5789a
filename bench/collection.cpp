#include "collection.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_folders.h"
#include "console_output.h"
#include "framework/handles.h"
#include "helpers/paths.h"
#include "helpers/shortcuts.h"
#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "song_names.h"
#include "support/unix_form.h"

namespace {

constexpr int32_t kProgressStep = 10000;
constexpr int32_t kDuplicateEvery = 20;  // every 20th file of the song folder is a "#2" copy

// The file names of both song folders and of songs that exist nowhere, by index.
class SongNaming {
public:
    SongNaming(const CollectionSizes& sizes, int32_t moreSongFiles)
        : songFiles_(sizes.songs), moreSongFiles_(moreSongFiles)
    {
        const int64_t highest = int64_t{sizes.songs} + moreSongFiles + sizes.smallEntries + sizes.largeEntries + 1;
        width_ = std::max<int32_t>(5, static_cast<int32_t>(Int64ToString(highest).size()));
    }
    // File k of the song folder: an original, or the "#2" copy of file k - 1.
    CString SongFile(int64_t k) const
    {
        if (IsDuplicate(k)) return SongStem(k, width_) + L"#2.mp3";
        return SongStem(k + 1, width_) + L".mp3";
    }
    static bool IsDuplicate(int64_t k) { return k % kDuplicateEvery == kDuplicateEvery - 1; }
    // The original of file k as a numbered name that no file has.
    CString NumberedName(int64_t k, int32_t number) const
    {
        const int64_t original = IsDuplicate(k) ? k - 1 : k;
        return SongStem(original + 1, width_) + L"#" + Int64ToString(number) + L".mp3";
    }
    CString MoreSongFile(int64_t k) const { return SongStem(int64_t{songFiles_} + 1 + k, width_) + L".mp3"; }
    CString MissingFile(int64_t j) const
    {
        return SongStem(int64_t{songFiles_} + moreSongFiles_ + 1 + j, width_) + L".mp3";
    }

private:
    int32_t songFiles_;
    int32_t moreSongFiles_;
    int32_t width_ = 5;
};

void Progress(const wchar_t* what, int32_t done, int32_t total)
{
    if (done % kProgressStep == 0 || done == total)
        PrintLine(stderr, CString(what) + L" " + Int64ToString(done) + L"/" + Int64ToString(total));
}

bool Fail(const CString& what, DWORD error)
{
    PrintLine(stderr, L"cannot create " + what + L" (error " + Int64ToString(error) + L")");
    return false;
}

}  // namespace

bool CreateFolder(const CString& path)
{
    return CreateDirectoryW(path.c_str(), nullptr) || Fail(path, GetLastError());
}

namespace {

bool CreateSongFolders(const SongNaming& naming, const Collection& collection)
{
    const CString songFolder = CreationFolder(collection.songFolder);
    for (int32_t k = 0; k < collection.songFiles; ++k) {
        if (!CreateEmptyFile(songFolder + naming.SongFile(k))) return false;
        Progress(L"songs", k + 1, collection.songFiles);
    }
    const CString moreSongFolder = CreationFolder(collection.moreSongFolder);
    for (int32_t k = 0; k < collection.moreSongFiles; ++k) {
        if (!CreateEmptyFile(moreSongFolder + naming.MoreSongFile(k))) return false;
        Progress(L"more songs", k + 1, collection.moreSongFiles);
    }
    return true;
}

// Shortcuts to songs spread over the whole song folder.
bool CreateShortcuts(const SongNaming& naming, const Collection& collection)
{
    const CString shortcutFolder = CreationFolder(collection.shortcutFolder);
    for (int32_t i = 0; i < collection.shortcutFiles; ++i) {
        const int64_t k = int64_t{i} * collection.songFiles / collection.shortcutFiles;
        const CString song = naming.SongFile(k);
        const CString path = shortcutFolder + PadNumber(i + 1, 6) + L" " + StripExtension(song) + L".lnk";
        if (const HRESULT result = CreateShortcutFile(collection.songFolder + song, path, L""); FAILED(result))
            return Fail(path, static_cast<DWORD>(result));
        Progress(L"shortcuts", i + 1, collection.shortcutFiles);
    }
    return true;
}

// Entry j of a correction playlist: a third as the file is named, the rest with wrong case, wrong
// blanks, a numbered name whose original exists, the "#2" copy of a song, or a song that does not exist.
CString CorrectionEntry(const SongNaming& naming, const Collection& collection, uint64_t random, int32_t j)
{
    const int64_t k = static_cast<int64_t>(random % static_cast<uint64_t>(collection.songFiles));
    const CString folder = (random >> 50) % 10 == 0 ? ToLowerAscii(collection.songFolder) : collection.songFolder;
    const uint64_t kind = (random >> 32) % 100;
    const CString name = naming.SongFile(k);
    if (kind < 30) return folder + name;
    if (kind < 55) return folder + WithWrongCase(name, random);
    if (kind < 80) return folder + WithWrongBlanks(kind < 70 ? name : WithWrongCase(name, random), random >> 8);
    if (kind < 88) return folder + naming.NumberedName(k, 3 + static_cast<int32_t>(random % 7));
    const int64_t copy = k / kDuplicateEvery * kDuplicateEvery + kDuplicateEvery - 1;
    if (kind < 96) return folder + (copy < collection.songFiles ? WithWrongCase(naming.SongFile(copy), random) : name);
    return folder + naming.MissingFile(j);
}

// Entry j of the verify playlist, from whichever folder the current run of entries is in.
CString VerifyEntry(const SongNaming& naming, const Collection& collection, uint64_t random, int32_t j, bool more)
{
    const uint64_t kind = (random >> 32) % 100;
    const auto pick = [random](int32_t count) { return static_cast<int64_t>(random % static_cast<uint64_t>(count)); };
    CString path;
    if (kind >= 98) path = collection.songFolder + naming.MissingFile(j);
    else if (more) path = collection.moreSongFolder + naming.MoreSongFile(pick(collection.moreSongFiles));
    else path = collection.songFolder + naming.SongFile(pick(collection.songFiles));
    return kind < 70 || kind >= 98 ? path : WithWrongCase(path, random);
}

bool CreatePlaylists(const SongNaming& naming, const Collection& collection, const CollectionSizes& sizes)
{
    const auto correction = [&](int32_t count, uint64_t seed) {
        std::vector<CString> entries;
        entries.reserve(static_cast<size_t>(count));
        for (int32_t j = 0; j < count; ++j)
            entries.push_back(CorrectionEntry(naming, collection, Mix(seed + static_cast<uint64_t>(j)), j));
        return entries;
    };
    if (!WritePlaylist(collection.smallPlaylist, correction(sizes.smallEntries, 1ull << 40))) return false;
    if (!WritePlaylist(collection.largePlaylist, correction(sizes.largeEntries, 2ull << 40))) return false;

    std::vector<CString> entries;
    bool more = false;
    int32_t runLeft = 0;
    for (int32_t j = 0; j < sizes.largeEntries; ++j) {
        const uint64_t random = Mix((3ull << 40) + static_cast<uint64_t>(j));
        if (runLeft-- == 0) {
            more = !more;
            runLeft = static_cast<int32_t>((random >> 20) % 50);
        }
        entries.push_back(VerifyEntry(naming, collection, random, j, more));
    }
    return WritePlaylist(collection.verifyPlaylist, entries);
}

}  // namespace

// An empty file and nothing else: creating files is the slow part under Wine.
bool CreateEmptyFile(const CString& path)
{
    const unique_handle file =
        OwnHandle(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file || Fail(path, GetLastError());
}

// The folder as the files are created in it. Wine looks for every new name in the whole folder under
// any letter case, which makes filling a large folder quadratic; its \\?\unix\ form does not.
// Elsewhere the folder stays as it is.
CString CreationFolder(const CString& folder)
{
    const CString unixFolder = UnixForm(folder);
    return unixFolder.empty() ? folder : unixFolder;
}

bool WritePlaylist(const CString& path, const std::vector<CString>& entries)
{
    CString text;
    for (const CString& entry : entries) text += entry + L"\n";
    if (const int32_t error = WriteTextFile(path, text); error != 0) return Fail(path, static_cast<DWORD>(error));
    return true;
}

// Deletes the files of one folder and then the folder; the folders of the collection hold no sub-folders.
void RemoveFolder(const CString& folder, int32_t& removed)
{
    std::vector<CString> names;
    WIN32_FIND_DATAW found;
    if (const unique_find find = OwnFind(FindFirstFileW((folder + L"*").c_str(), &found))) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
        } while (FindNextFileW(find.get(), &found));
    }
    for (const CString& name : names) {
        DeleteFileW((folder + name).c_str());
        if (++removed % (kProgressStep * 2) == 0) PrintLine(stderr, L"removed " + Int64ToString(removed) + L" files");
    }
    RemoveDirectoryW(folder.c_str());
}

bool CreateCollection(const CollectionSizes& sizes, Collection& collection)
{
    collection.root = NewBenchFolder(L"tallowmere_bench_");
    if (collection.root.empty()) return Fail(L"the temporary folder", GetLastError());
    collection.songFolder = collection.root + L"Songs\\";
    collection.moreSongFolder = collection.root + L"More Songs\\";
    collection.shortcutFolder = collection.root + L"Shortcuts\\";
    collection.playlistFolder = collection.root + L"Playlists\\";
    collection.exportFolder = collection.root + L"Exports\\";
    collection.scratchFolder = collection.root + L"Scratch\\";
    collection.songFiles = sizes.songs;
    collection.moreSongFiles = std::max(1, sizes.songs / 10);
    collection.shortcutFiles = sizes.shortcuts;
    collection.smallPlaylist = collection.playlistFolder + L"Small Playlist.m3u";
    collection.largePlaylist = collection.playlistFolder + L"Large Playlist.m3u";
    collection.verifyPlaylist = collection.playlistFolder + L"Verify Playlist.m3u";
    PrintLine(stderr, L"collection in " + collection.root);

    for (const CString* folder : {&collection.songFolder, &collection.moreSongFolder, &collection.shortcutFolder,
                                  &collection.playlistFolder, &collection.exportFolder, &collection.scratchFolder})
        if (!CreateFolder(*folder)) return false;
    const SongNaming naming(sizes, collection.moreSongFiles);
    // The shortcuts come first: the shell looks through the target's whole folder when a link is
    // made, which in a full song folder costs more than all the songs together.
    return CreateShortcuts(naming, collection) && CreateSongFolders(naming, collection) &&
           CreatePlaylists(naming, collection, sizes);
}

void RemoveCollection(const Collection& collection)
{
    int32_t removed = 0;
    for (const CString* folder : {&collection.songFolder, &collection.moreSongFolder, &collection.shortcutFolder,
                                  &collection.playlistFolder, &collection.exportFolder, &collection.scratchFolder})
        RemoveFolder(*folder, removed);
    RemoveDirectoryW(collection.root.c_str());
    PrintLine(stderr, L"removed " + collection.root);
}
