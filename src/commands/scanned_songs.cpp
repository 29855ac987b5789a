#include "commands/scanned_songs.h"

#include "commands/command_folders.h"

void ScannedSongs::AddFolder(const CString& folder)
{
    if (!folders_.Add(folder)) return;
    const size_t first = record_.files.size();
    AddFolderIfThere(record_, folder);
    CString path;
    for (size_t i = first; i < record_.files.size(); ++i) {
        const FileRecord& file = record_.files[i];
        path.assign(file.folder).append(file.name);
        if (paths_.Add(path)) fileOfPath_.push_back(i);
    }
}

const FileRecord* ScannedSongs::FindPath(std::wstring_view path) const
{
    const size_t kept = paths_.IndexOf(path);
    return kept == UniqueLines::kNotKept ? nullptr : &record_.files[fileOfPath_[kept]];
}
