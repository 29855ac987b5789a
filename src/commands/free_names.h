#pragma once
// Names for files put into a folder where they must never replace a file: a name is taken when the
// folder's scan found it or when a file of the same run got it. A taken name gives way to its next
// numbered name (Song.mp3, Song#1.mp3, Song#2.mp3, ...).
#include <cstdint>
#include <functional>
#include <vector>

#include "framework/strings.h"
#include "helpers/folder_scan.h"
#include "helpers/text_lines.h"

// How two names are found to be one.
enum class NameFolding {
    Ascii,       // the letters A to Z folded, as the commands compare names
    FileSystem,  // folded as the file system folds them, beyond ASCII: "Ä" and "ä" name one file
};

class FreeNames {
public:
    explicit FreeNames(NameFolding folding = NameFolding::Ascii) : folding_(folding) {}
    // The names of the scanned files taken, under ASCII folding.
    explicit FreeNames(const std::vector<FileRecord>& taken);

    // The name when it is free, else the first free one of its numbered names. A name without "."
    // has no numbered names and is given back as it is, free or not.
    CString Find(const CString& name) const;
    void Take(const CString& name);

private:
    bool IsTaken(const CString& name) const;

    NameFolding folding_ = NameFolding::Ascii;
    UniqueLines taken_;  // folds ASCII itself; under the file system's folding it holds upper-cased names
};

struct Placement {
    int32_t result = 0;  // of the last attempt: 0, or as the file operations give it
    CString path;        // the path the file got, or tried last
};

// Puts a file at folder + name with place(path), a copy or move that never replaces. The file system's
// own case rules fold more than ASCII (Ä and ä name one file), so while it refuses a name as taken,
// the next free name is tried. The name the file gets is taken.
Placement PlaceUnderFreeName(FreeNames& names, const CString& folder, const CString& name,
                             const std::function<int32_t(const CString& path)>& place);
