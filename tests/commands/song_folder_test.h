#pragma once
// Base of the tests of the commands that move and copy songs: Source\ and Target\ in the temporary
// folder, exports in the folder itself, and each folder's files read back as names and bytes.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "helpers/folder_scan.h"
#include "playlist_test.h"
#include "texts/command_lines.h"

using Files = std::map<CString, std::string>;  // name -> bytes

class SongFolderTest : public PlaylistTest {
protected:
    SongFolderTest() { Fill({}, {}); }
    static Files Held(const CString& path)
    {
        Files files;
        for (const FileRecord& file : ScanFolderAt(path).files) files[file.name] = TempFolder::ReadBytes(path + file.name);
        return files;
    }
    // Both folders hold these files and no other.
    void Fill(const Files& sourceFiles, const Files& targetFiles) const
    {
        for (const auto& [path, files] : {std::pair{source, sourceFiles}, std::pair{target, targetFiles}}) {
            CreateDirectoryW(path.c_str(), nullptr);
            for (const auto& [name, bytes] : Held(path)) DeleteFileW((path + name).c_str());
            for (const auto& [name, bytes] : files) folder.Write(path.substr(folder.Path().size()) + name, bytes);
        }
    }
    // The lines after the press line; the first ones, one per file in the order of the folder listing,
    // sorted, the last `closing` ones as they are.
    std::vector<CString> Run(int command, const CString& sourceEdit, size_t closing, const CString& search = L"")
    {
        host.Edit(InputEdit::Target) = target;
        host.Edit(InputEdit::Search) = search;
        std::vector<CString> lines = PlaylistTest::Run(CommandLine(command), sourceEdit);
        std::sort(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(std::min(closing, lines.size())));
        return lines;
    }

    const CString source = folder.Path() + L"Source\\";
    const CString target = folder.Path() + L"Target\\";
};
