#pragma once
// Base of the tests of the commands that move and copy songs between two folders: Source\ and
// Target\ in the temporary folder, exports in the temporary folder itself, and what each folder holds
// read back as names and bytes.
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
    SongFolderTest()
    {
        CreateDirectoryW(source.c_str(), nullptr);
        CreateDirectoryW(target.c_str(), nullptr);
    }
    // A folder's files (sub-folders left out), or a file written into the folder for each entry.
    static Files Held(const CString& path)
    {
        Files files;
        for (const FileRecord& file : ScanFolderAt(path).files) files[file.name] = TempFolder::ReadBytes(path + file.name);
        return files;
    }
    void Put(const CString& name, const Files& files) const
    {
        for (const auto& [file, bytes] : files) folder.Write(name + L"\\" + file, bytes);
    }
    // Empties both folders for the next case.
    void Clear() const
    {
        for (const CString& path : {source, target})
            for (const auto& [name, bytes] : Held(path)) DeleteFileW((path + name).c_str());
    }
    std::vector<CString> Run(int command, const CString& sourceEdit, const CString& search = L"")
    {
        host.Edit(InputEdit::Target) = target;
        host.Edit(InputEdit::Search) = search;
        return PlaylistTest::Run(CommandLine(command), sourceEdit);
    }
    // The lines of files in the order of the folder listing, sorted, before the lines that close the run.
    static std::vector<CString> SortedHead(std::vector<CString> lines, size_t closing)
    {
        std::sort(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(std::min(closing, lines.size())));
        return lines;
    }

    const CString source = folder.Path() + L"Source\\";
    const CString target = folder.Path() + L"Target\\";
};
