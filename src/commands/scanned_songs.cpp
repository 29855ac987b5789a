#include "commands/scanned_songs.h"

#include "helpers/strings.h"

bool ScannedSongs::AddFolder(const CString& folder)
{
    if (!folders_.Add(folder)) return false;
    const size_t first = record_.files.size();
    record_.path = folder;
    ScanFolder(record_);
    paths_.reserve(record_.files.size());
    for (size_t i = first; i < record_.files.size(); ++i) {
        const FileRecord& file = record_.files[i];
        paths_.try_emplace(ToLowerAscii(file.folder + file.name), i);
    }
    return true;
}

const FileRecord* ScannedSongs::FindPath(std::wstring_view path) const
{
    const auto found = paths_.find(ToLowerAscii(path));
    return found == paths_.end() ? nullptr : &record_.files[found->second];
}
