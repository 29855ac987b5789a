#include "commands/folder_playlists.h"

#include <windows.h>

#include "commands/command_reports.h"
#include "helpers/file_operations.h"
#include "helpers/folder_scan.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "helpers/timestamps.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

std::vector<CString> ListPlaylistNames(const CString& folder)
{
    FolderRecord scan = ScanFolderAt(folder);
    std::vector<CString> names;
    for (FileRecord& file : scan.files)
        if (HasPlaylistExtension(file.name)) names.push_back(std::move(file.name));
    return names;
}

int32_t ForEachPlaylist(CommandHost& host, const CString& folder, const std::vector<CString>& names,
                        bool reportEmpty, const PlaylistWork& work)
{
    int32_t total = 0;
    TextLines lines;
    for (const CString& name : names) {
        const CString path = folder + name;
        lines.Truncate(0);
        const int32_t count = ReadNonEmptyLines(lines, path);
        if (ReportUnreadable(host, count, path)) continue;
        total += count;
        if (count > 0) work(path, name, lines);
        else if (reportEmpty) host.AddInfoLine(path + g_Messages[msg::kIsEmpty]);
    }
    return total;
}

int32_t MakeFolder(const CString& folder)
{
    if (FolderExists(folder)) return 0;
    return CreateDirectoryW(folder.c_str(), nullptr) ? 0 : static_cast<int32_t>(GetLastError());
}

bool MakeOutputFolder(CommandHost& host, const CString& playlistFolder, const CString& subFolder,
                      CString& outputFolder)
{
    const CString name = subFolder.empty() ? MakeTimestamp(L"datetime") : TrimWhiteSpace(subFolder);
    outputFolder = playlistFolder + name + L"\\";
    const int32_t error = IsPlainName(name) ? MakeFolder(outputFolder) : ERROR_INVALID_NAME;
    if (error != 0) ReportFailure(host, error);
    return error == 0;
}

NewFile WritePlaylistCopy(const CString& folder, const CString& playlistName, const CString& stamp, TextEncoder& text,
                          int32_t firstCounter)
{
    const CString namePart = SplitOffTimestamp(StripExtension(playlistName)).name;
    return WriteNewStampedFile([&](const CString& used) { return folder + namePart + L" " + used + L".m3u"; }, stamp,
                               text.Finish(), firstCounter);
}
