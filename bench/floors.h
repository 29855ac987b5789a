#pragma once
// The file work each timed command cannot do without, done with nothing else around it: the
// measure a command's time is held against.
#include <vector>

#include "framework/strings.h"

// Command 1: the listing of the shortcut folder and the resolving of every shortcut in it.
void ShortcutFloor(const CString& shortcutFolder);
// Command 4: reading the playlist and writing a text of its size.
void PlaylistCopyFloor(const CString& playlist, const CString& output, const CString& text);
// Commands 7 and 8: reading the playlist, listing the song folder, writing a text of the playlist's size.
void CorrectionFloor(const CString& playlist, const CString& songFolder, const CString& output, const CString& text);
// Command 9: reading the playlist and listing each of its folders once.
void VerifyFloor(const CString& playlist, const std::vector<CString>& folders);
