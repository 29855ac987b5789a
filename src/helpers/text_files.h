#pragma once
// Whole text files: playlists, exports and the settings file.
// A text of characters up to U+00FF is written one byte per character with CR LF line ends and
// no byte-order mark; a text with any character above U+00FF is written whole as UTF-8 with a mark.
// Readers recognise a leading UTF-8 or UTF-16 LE mark and otherwise read one byte per character.
#include <cstdint>
#include <unordered_set>
#include <vector>

#include "framework/strings.h"

// Both writers encode the whole text first and replace the file only with a completely written one:
// on any failure an existing file stays as it was.
// Settings file: failures are silent.
void WriteTextFileCStdio(const CString& path, const CString& text);
// 0, or the C runtime's error number (EILSEQ for an unpaired surrogate, which no file form can carry).
int32_t WriteTextFile(const CString& path, const CString& text);

// The readers append to the container and never clear it; on failure it is unchanged. Another
// program may hold the file open for writing meanwhile.
// Playlist readers: each line trimmed; the number of lines appended, or minus a Windows error code
// (ERROR_NO_UNICODE_TRANSLATION for bytes that do not match their mark, ERROR_FILE_TOO_LARGE above 64 MiB).
// Lines that begin with "#" are entries like any other.
int32_t ReadNonEmptyLines(std::vector<CString>& lines, const CString& path);  // empty lines skipped
// A line is appended only when no entry equals it after ASCII-only lower-casing, each in its own spelling;
// an empty line counts as a line.
int32_t ReadUniqueLines(std::vector<CString>& lines, const CString& path);
// As above, for callers that read many files into one list: `seen` holds the ASCII-lower-cased
// form of every line in `lines` and is kept in step.
int32_t ReadUniqueLines(std::vector<CString>& lines, std::unordered_set<CString>& seen, const CString& path);
// Settings file: every line as it stands, empty ones kept; the number appended, or minus the C runtime's
// error number (EINVAL for a UTF-16 big-endian mark, EILSEQ for bytes that do not match their mark).
int32_t ReadLinesUnicode(std::vector<CString>& lines, const CString& path);
