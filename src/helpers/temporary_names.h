#pragma once
// Files on their way to a name (a written text, a saved shortcut, a copy, a case-only rename) wait
// beside it under a temporary name made from that name: "~" + name + "." + n + ".tmp". A file left
// there by a run that was killed tells a person what it is.
#include <windows.h>

#include <functional>

#include "framework/handles.h"
#include "framework/strings.h"

// Calls create(temporary) with the temporary names of finalPath in turn while it answers that the
// name is taken (ERROR_FILE_EXISTS or ERROR_ALREADY_EXISTS). 0 with the name used, or the Windows code
// of the last attempt.
[[nodiscard]] DWORD CreateUnderTemporaryName(const CString& finalPath, const std::function<DWORD(const CString& path)>& create,
                               CString& temporary);

// A new, empty file of our own under the first free temporary name of finalPath, open for writing.
[[nodiscard]] DWORD CreateTemporaryFileBeside(const CString& finalPath, CString& temporary, unique_handle& file);

// Removes a file that this program wrote (a temporary file, a copy that must not stay), read-only or
// not; a failure leaves it for the person to find.
void RemoveOwnFile(const CString& path);
