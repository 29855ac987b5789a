#include "commands/folder_playlists.h"

#include <windows.h>

#include "commands/command_reports.h"
#include "commands/command_folders.h"
#include "helpers/file_operations.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "helpers/timestamps.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

std::vector<CString> ListPlaylistNames(const CString& folder)
{
    FolderRecord scan = ListFolder(folder);
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

namespace {

// The typed sub-folder without its blanks and one leading and one trailing "\\", as "\\Sub" and "Sub\\"
// are meant as "Sub".
CString SubFolderName(const CString& typed)
{
    std::wstring_view name = TrimWhiteSpaceView(typed);
    if (name.starts_with(L'\\')) name.remove_prefix(1);
    if (name.ends_with(L'\\')) name.remove_suffix(1);
    return CString(name);
}

}  // namespace

bool MakeOutputFolder(CommandHost& host, const CString& playlistFolder, const CString& subFolder,
                      CString& outputFolder)
{
    const CString name = subFolder.empty() ? MakeTimestamp() : SubFolderName(subFolder);
    outputFolder = playlistFolder + name + L"\\";
    const int32_t error = IsPlainName(name) ? EnsureFolder(outputFolder) : ERROR_INVALID_NAME;
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
