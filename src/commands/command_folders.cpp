#include "commands/command_folders.h"

#include "helpers/file_operations.h"

FolderRecord ListFolder(const CString& folder)
{
    uint32_t error = 0;
    FolderRecord record = ScanFolderAt(folder, &error);
    if (error != 0) throw FolderNotListed{error, folder};
    return record;
}

void AddFolderIfThere(FolderRecord& record, const CString& folder)
{
    record.path = folder;
    if (const uint32_t error = ScanFolder(record); error != 0 && FolderExists(folder))
        throw FolderNotListed{error, folder};
}
