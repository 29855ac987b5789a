#pragma once
// Reading and writing Windows shortcut (.lnk) files through the shell's link object.
// COM must already be initialised on the calling thread; these functions do not do it.
#include <windows.h>

#include <string_view>

#include "framework/strings.h"

// Whether the bytes hold a shortcut whose documented parts (header and class id, item id list, link
// info, strings, extra data blocks) all lie within them. Files that fail are not handed to the shell.
bool IsSoundShortcutFile(std::string_view bytes);

// The target path stored in the shortcut, whole however long; `target` is empty after any failure.
// The link is resolved with the shell's own search for a moved target, which may rewrite the file.
[[nodiscard]] HRESULT ResolveShortcutTarget(const CString& shortcutPath, CString& target);

// Writes (or replaces) the shortcut file; nothing is saved when the target is refused.
[[nodiscard]] HRESULT CreateShortcutFile(const CString& target, const CString& shortcutPath, const CString& description);
