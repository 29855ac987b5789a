#pragma once
// Duplicates of a file live side by side as Song#1.mp3, Song#2.mp3, ...: the "#" and digits
// at the end of the part before the last "." mark a numbered copy of Song.mp3.
#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/strings.h"
#include "helpers/folder_scan.h"

struct NumberedName {
    CString name;           // a name that carries a duplicate marker
    int32_t markerPos = 0;  // where its marker's "#" stands, as IsNumberedName gives it
};

// The position of the marker's "#" (0 when that is the first character); 0 when something other than
// digits follows the last "#" before the last "."; -1 when there is no "#" before the last ".".
int32_t IsNumberedName(std::wstring_view name);
// The number after the marker, read as _wtoi reads but in 64 bits, saturating; 0 without one.
int64_t GetNameNumber(NumberedName numbered);
// The original's name: the text before the marker followed by the extension; empty for a negative position.
CString CutNameKeepExtension(NumberedName numbered);
// The original's name of any name; empty when the name has no "#" before its last ".".
CString StripNameNumber(const CString& name);
// The next candidate for a free duplicate name (Song.mp3 -> Song#1.mp3 -> Song#2.mp3); empty without ".".
// Never gives back its input, so a loop over taken names always ends.
CString NextNumberedName(const CString& name);
