#pragma once
// The folders a command works on are listed whole or not at all: a folder that cannot be listed is
// not empty, so the command stops before it changes anything, and the executor reports the code and
// the folder.
#include <cstdint>

#include "framework/strings.h"
#include "helpers/folder_scan.h"

struct FolderNotListed {
    uint32_t code;
    CString folder;
};

// The record of the folder (ending in "\"); throws FolderNotListed when it cannot be listed.
FolderRecord ListFolder(const CString& folder);
// Adds the folder's entries to the record; a folder that is not there adds nothing (a playlist may
// name one that is gone), one that is there but cannot be listed throws FolderNotListed.
void AddFolderIfThere(FolderRecord& record, const CString& folder);
