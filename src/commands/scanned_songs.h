#pragma once
// The song files of the folders a playlist names, scanned once each and looked up by path with the
// ASCII letters folded, so that checking a playlist costs one hash look-up per entry.
#include <cstddef>
#include <string_view>
#include <vector>

#include "framework/strings.h"
#include "helpers/folder_scan.h"
#include "helpers/text_lines.h"

class ScannedSongs {
public:
    // Scans the folder, spelled as given, into the record; a folder scanned before under any
    // ASCII letter case is not scanned again. A folder that is not there holds no songs; one that is
    // there but cannot be listed throws FolderNotListed.
    void AddFolder(const CString& folder);
    // The first file in scan order whose path (folder + name) equals the path with ASCII letters
    // folded; null when there is none. Valid until the next AddFolder.
    const FileRecord* FindPath(std::wstring_view path) const;
    const FolderRecord& Record() const { return record_; }

private:
    FolderRecord record_;
    UniqueLines folders_;
    UniqueLines paths_;               // folder + name of the files, each path once
    std::vector<size_t> fileOfPath_;  // the index into record_.files of each path kept
};
