#pragma once
// Whole text files: playlists, exports and the settings file.
// A text of characters up to U+00FF is written one byte per character with CR LF line ends and
// no byte-order mark; a text with any character above U+00FF is written whole as UTF-8 with a mark.
// Readers recognise a leading UTF-8 or UTF-16 LE mark and otherwise read one byte per character.
#include <cstdint>
#include <optional>
#include <vector>

#include "framework/strings.h"
#include "helpers/temporary_file.h"
#include "helpers/text_lines.h"

// The writers encode the whole text first and put a completely written file in place in one step:
// on any failure an existing file stays as it was. 0, or the Windows code of the failed step
// (ERROR_NO_UNICODE_TRANSLATION for an unpaired surrogate, which no file form can carry;
// ERROR_ALREADY_EXISTS when a file is there and is to be kept).
[[nodiscard]] int32_t WriteTextFile(const CString& path, const CString& text);
[[nodiscard]] int32_t WriteEncodedFile(const CString& path, const std::optional<CStringA>& bytes, ExistingFile existing);
// Settings file: failures are silent.
void WriteTextFileCStdio(const CString& path, const CString& text);

// The whole file in one read, up to 64 MiB; 0 or a Windows error code. Other programs may keep the
// file open for reading and writing meanwhile (a player holding the playlist).
[[nodiscard]] uint32_t ReadWholeFile(const CString& path, CStringA& bytes);

// The readers append to the list and never clear it; on failure it is unchanged. Another program may
// hold the file open for writing meanwhile. Each returns the number of lines appended, or minus a
// Windows error code: ERROR_NO_UNICODE_TRANSLATION for bytes that do not match their mark,
// ERROR_FILE_TOO_LARGE above 64 MiB, ERROR_NOT_ENOUGH_MEMORY for lines that cannot be held.
// Playlist readers: each line trimmed; lines that begin with "#" are entries like any other.
[[nodiscard]] int32_t ReadNonEmptyLines(TextLines& lines, const CString& path);  // empty lines skipped
// A line is appended only when no kept line equals it after ASCII-only lower-casing; an empty line
// counts as a line.
[[nodiscard]] int32_t ReadUniqueLines(UniqueLines& lines, const CString& path);
// Settings file: every line as it stands, empty ones kept; a UTF-16 big-endian mark is refused with
// ERROR_INVALID_DATA.
[[nodiscard]] int32_t ReadLinesUnicode(std::vector<CString>& lines, const CString& path);
