#pragma once
// The pieces of a path, found by its last "." or "\" in the whole text (drives and folders are not special).
#include <string_view>

#include "framework/strings.h"

CString GetExtension(std::wstring_view path);     // from the last "." on, dot included
CString StripExtension(std::wstring_view path);   // before the last "."
CString GetFileNamePart(std::wstring_view path);  // after the last "\"
CString GetFolderPart(std::wstring_view path);    // up to and including the last "\"
std::wstring_view GetFolderPartView(std::wstring_view path);  // the same, as a part of the path
// The file name a playlist entry gives its song: after the last "\\", or the whole entry when it names
// the song without a folder.
std::wstring_view SongFileNameOf(std::wstring_view entry);
// One key for every spelling of one file's path: the full path with "." and ".." resolved, upper-cased as
// the file system folds names.
CString SameFileKey(const CString& path);
// A playlist's name or path: its extension is ".m3u" in any ASCII letter case.
bool HasPlaylistExtension(std::wstring_view path);
// One name that stays inside its folder and is stored as written: not empty, none of \ / : * ? " < > |
// nor a control character, not ending in "." or " " (Windows drops them, so "." and ".." are out too),
// and no device name (CON, PRN, AUX, NUL, COM1-COM9, LPT1-LPT9, alone or before a ".").
bool IsPlainName(std::wstring_view name);
