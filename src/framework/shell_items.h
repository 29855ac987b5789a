#pragma once
// The shell's own items, for the folders that only the shell can list: the desktop and the virtual
// folders (My Computer, the Trash).
#include <windows.h>
#include <shlobj.h>

#include "framework/browser_rows.h"
#include "framework/strings.h"

// The desktop, the root of the shell's namespace.
unique_pidl DesktopPidl();
unique_pidl ClonePidl(PCIDLIST_ABSOLUTE pidl);
// The shell's item for a path; empty when the shell cannot parse it (a drive taken away, say).
unique_pidl PidlOf(const CString& path);
// The item's file-system path; empty for a virtual item (My Computer, the Control Panel).
CString PathOf(PCIDLIST_ABSOLUTE pidl);

// Fills the empty rows with the folder's items as the shell enumerates them, sorted; false when the
// folder cannot be read.
bool ListShellFolder(PCIDLIST_ABSOLUTE folder, BrowserRows& rows);
