#include "commands/playlist_listing.h"

#include "helpers/folder_scan.h"
#include "helpers/paths.h"
#include "helpers/strings.h"

std::vector<CString> ListPlaylistNames(const CString& folder)
{
    FolderRecord scan = ScanFolderAt(folder);
    std::vector<CString> names;
    for (FileRecord& file : scan.files)
        if (ToLowerAscii(GetExtension(file.name)) == L".m3u") names.push_back(std::move(file.name));
    return names;
}
