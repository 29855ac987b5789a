#pragma once
// Base of the tests of the commands over a whole folder of playlists: playlists in Lists\, songs in
// Songs\, exports in the test folder itself; every edit the commands read is set per run.
#include <vector>

#include "commands/command_reports.h"
#include "commands/playlist_listing.h"
#include "playlist_test.h"
#include "texts/command_lines.h"

class PlaylistFolderTest : public PlaylistTest {
protected:
    PlaylistFolderTest()
    {
        CreateDirectoryW(lists.c_str(), nullptr);
        CreateDirectoryW(songs.c_str(), nullptr);
    }
    std::vector<CString> RunCommand(int command, const CString& target = L"", const CString& search = L"",
                                    const CString& replace = L"")
    {
        host.Edit(InputEdit::Target) = target;
        host.Edit(InputEdit::Search) = search;
        host.Edit(InputEdit::Replace) = replace;
        return Run(CommandLine(command), lists);
    }
    CString Playlist(const CString& name, const std::vector<CString>& lines) const
    {
        return folder.Write(L"Lists\\" + name, Bytes(Joined(lines)));
    }
    // Bytes that a UTF-8 mark announces but that are no UTF-8, and the line that reports them.
    CString Unreadable(const CString& name) const
    {
        folder.Write(L"Lists\\" + name, "\xEF\xBB\xBF\xC3");
        return FailureText(ERROR_NO_UNICODE_TRANSLATION, lists + name);
    }
    // The playlists in the order the commands meet them.
    std::vector<CString> Order() const { return ListPlaylistNames(lists); }

    const CString lists = folder.Path() + L"Lists\\";
    const CString songs = folder.Path() + L"Songs\\";
};
