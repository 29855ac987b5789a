#pragma once
// Whole text files: playlists, exports and the settings file.
// A text of characters up to U+00FF is written one byte per character with CR LF line ends and
// no byte-order mark; a text with any character above U+00FF is written whole as UTF-8 with a mark.
// Readers recognise a leading UTF-8 or UTF-16 LE mark and otherwise read one byte per character.
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "framework/strings.h"

// Settings file: failures are silent.
void WriteTextFileCStdio(const CString& path, const CString& text);
// 0, or the C runtime's error number; an existing file is replaced only by a completely written one.
int32_t WriteTextFile(const CString& path, const CString& text);

// Each returns the number of lines appended, or minus an error number (the container is then unchanged).
int32_t ReadNonEmptyLines(std::vector<CString>& lines, const CString& path);
int32_t ReadUniqueLines(std::vector<CString>& lines, const CString& path);
// As above, for callers that read many files into one list: `seen` holds the ASCII-lower-cased
// form of every line in `lines` and is kept in step.
int32_t ReadUniqueLines(std::vector<CString>& lines, std::unordered_set<CString>& seen, const CString& path);
int32_t ReadLinesUnicode(std::vector<CString>& lines, const CString& path);
