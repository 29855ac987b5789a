#include <windows.h>

#include <set>
#include <vector>

#include "commands/command_reports.h"
#include "framework/handles.h"
#include "helpers/folder_scan.h"
#include "helpers/strings.h"
#include "playlist_test.h"
#include "texts/command_lines.h"

namespace {

using Lines = std::vector<CString>;

Lines Listed(const CString& dir)  // in scan order
{
    FolderRecord scan;
    scan.path = dir;
    ScanFolder(scan);
    Lines names;
    for (const FileRecord& file : scan.files) names.push_back(file.name);
    return names;
}

std::set<CString> NamesIn(const CString& dir)
{
    const Lines names = Listed(dir);
    return {names.begin(), names.end()};
}

class Renaming : public PlaylistTest {
protected:
    // A new folder of files whose bytes are their names.
    CString Songs(const Lines& names)
    {
        const CString sub = L"S" + std::to_wstring(++folders_) + L"\\";
        CreateDirectoryW((folder.Path() + sub).c_str(), nullptr);
        for (const CString& name : names) folder.Write(sub + name, Bytes(name));
        return folder.Path() + sub;
    }
    Lines Command(int command, const CString& source, const CString& search = L"", const CString& replace = L"")
    {
        host.Edit(InputEdit::Search) = search;
        host.Edit(InputEdit::Replace) = replace;
        return Run(CommandLine(command), source);
    }
    static CString Line(int row, const CString& dir, const CString& from, const CString& to)
    {
        return g_Messages[row] + dir + from + L" => " + dir + to;
    }
    static CString Count(int row, size_t n) { return g_Messages[row] + std::to_wstring(n); }
    const CString unusedExport = folder.Path() + stamp + L"Unused Songs.txt";
    int folders_ = 0;
};

TEST_F(Renaming, CaseRulesChangeTheNameOnDiskAndCountAClashAsFailed)
{
    const struct { int command; const wchar_t* separator; Lines before; CString from, to; bool fails; } cases[] = {
        {10, L"", {L"my song.mp3", L"A.MP3"}, L"my song.mp3", L"MY SONG.MP3", false},
        {11, L"", {L"\u00c4PFEL.MP3"}, L"\u00c4PFEL.MP3", L"\u00c4pfel.mp3", false},
        {14, L" - ", {L"Artist - Title.mp3"}, L"Artist - Title.mp3", L"ARTIST - Title.mp3", false},
        {19, L"", {L"a  b.mp3", L"a b.mp3"}, L"a  b.mp3", L"a b.mp3", true},
    };
    for (const auto& c : cases) {
        const CString dir = Songs(c.before);
        Lines expected = {Line(c.fails ? 97 : 96, dir, c.from, c.to), Count(98, !c.fails)};
        if (c.fails) expected.push_back(Count(99, 1));
        EXPECT_EQ(Command(c.command, dir, c.separator), expected) << c.command;
        std::set<CString> after;
        for (const CString& name : c.before) {
            const CString now = *after.insert(name == c.from && !c.fails ? c.to : name).first;
            EXPECT_EQ(TempFolder::ReadBytes(dir + now), Bytes(name));
        }
        EXPECT_EQ(NamesIn(dir), after) << c.command;  // in the exact case, as listed
    }
}

TEST_F(Renaming, ANameWithoutTheSeparatorOnceStopsTheCommandAlsoInTheList)
{
    const CString dir = Songs({L"artist-title.mp3", L"live-part 1-intro.mp3", L"x-y.mp3", L"p-q.mp3"});
    const CString fault = Count(46, 2);
    Lines expected;
    std::set<CString> after;
    bool stopped = false;
    for (const CString& name : Listed(dir)) {
        stopped = stopped || name == L"live-part 1-intro.mp3";
        const CString renamed = CString(1, towupper(name[0])) + name.substr(1);
        if (!stopped) expected.push_back(Line(96, dir, name, renamed));
        after.insert(stopped ? name : renamed);
    }
    expected.push_back(fault);  // and no totals
    EXPECT_EQ(Command(13, dir, L"-"), expected);
    EXPECT_EQ(BoxTexts(), Lines{fault});
    EXPECT_EQ(NamesIn(dir), after);
}

TEST_F(Renaming, DuplicatesWithoutAnOriginalOfAnyCaseAreListedOncePerSpelling)
{
    const CString exportPath = folder.Path() + stamp + L" Missing Originals.txt";
    EXPECT_EQ(Command(20, Songs({L"song#1.mp3", L"Song.MP3", L"#1.mp3", L"x#1a.mp3"})), Lines{g_Messages[66]});
    EXPECT_FALSE(TempFolder::Exists(exportPath));
    const Lines lines = Command(20, Songs({L"a#1.mp3", L"A#2.mp3", L"a#3.mp3", L"b#.mp3"}));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(std::set<CString>(lines.begin(), lines.begin() + 3),
              (std::set<CString>{g_Messages[100] + L"A.mp3", g_Messages[100] + L"a.mp3", g_Messages[100] + L"b.mp3"}));
    EXPECT_EQ(lines[3], Count(69, 3));
    EXPECT_EQ(lines[4], g_Messages[94] + exportPath);
    CString exported = g_Messages[67];
    for (size_t i = 0; i < 3; ++i) exported += lines[i].substr(g_Messages[100].size()) + L"\n";
    EXPECT_EQ(TempFolder::ReadBytes(exportPath), Bytes(exported));
}

TEST_F(Renaming, FindAndReplaceChangesTheFirstOccurrenceInTheStemAndCountsThemAll)
{
    const struct {
        bool matchCase, wholeWords;
        const wchar_t *search, *replace;
        Lines before, after;
        size_t renamed, total;
        const wchar_t* logged;  // the search string as the lines show it
        Lines failed;           // the renaming that fails: old and new name
    } cases[] = {
        {false, false, L"ABC", L"x", {L"TheAbcSong.mp3", L"abc.m"}, {L"ThexSong.mp3", L"x.m"}, 2, 2, L"abc", {}},
        {true, false, L"la", L"LA", {L"la la la.mp3", L"la"}, {L"LA la la.mp3", L"la"}, 1, 3, L"la", {}},
        {true, true, L"word", L"", {L"word in.mp3", L"a word b.mp3"}, {L"word in.mp3", L"ab.mp3"}, 1, 1, L" word ", {}},
        {true, false, L"b", L"", {L"a.b.mp3", L"x.b"}, {L"a..mp3", L"x.b"}, 1, 1, L"b", {}},
        {true, false, L"1", L"2", {L"x1.mp3", L"x2.mp3"}, {L"x1.mp3", L"x2.mp3"}, 0, 1, L"1", {L"x1.mp3", L"x2.mp3"}},
        {true, false, L"b", L"..\\up", {L"b.mp3"}, {L"b.mp3"}, 0, 1, L"b", {L"b.mp3", L"..\\up.mp3"}},
    };
    for (const auto& c : cases) {
        host.caseChecked = c.matchCase;
        host.wholeWordChecked = c.wholeWords;
        const CString dir = Songs(c.before);
        const CString searched = g_Messages[101] + c.logged + L"]";
        Lines expected;
        if (!c.failed.empty()) expected.push_back(Line(97, dir, c.failed[0], c.failed[1]));
        if (c.renamed == 0) expected.push_back(g_Messages[48] + searched);
        else expected.insert(expected.end(), {Count(49, c.renamed) + searched, Count(50, c.total) + searched});
        EXPECT_EQ(Command(21, dir, c.search, c.replace), expected) << c.search;
        EXPECT_EQ(NamesIn(dir), std::set<CString>(c.after.begin(), c.after.end())) << c.search;
    }
    EXPECT_FALSE(TempFolder::Exists(folder.Path() + L"up.mp3"));
}

TEST_F(Renaming, UnusedMarksAreSetAndDeletedUnlessTheAnswerIsNo)
{
    const CString songs = Songs({L"a.mp3", L"@c.mp3", L"pic.jpg"}), lists = Songs({L"One.M3U", L"notes.txt"});
    const CString marked = Songs({L"@@s.mp3"}), clash = Songs({L"@s.mp3", L"s.mp3"});
    folder.Write(lists.substr(folder.Path().size()) + L"One.M3U", Bytes(ToUpperAscii(songs) + L"A.MP3\n\n"));
    folder.Write(lists.substr(folder.Path().size()) + L"notes.txt", Bytes(songs + L"pic.jpg\n"));
    host.Edit(InputEdit::Target) = lists;
    const CString exported = g_Messages[94] + unusedExport, no = g_Messages[55];
    // Each run has one file to rename, so the lines do not depend on the scan order.
    const struct { int command, answer; CString dir, pending; Lines lines, after; } cases[] = {
        {22, IDNO, songs, L"pic.jpg", {no, Count(98, 0), Count(102, 1)}, {L"@c.mp3", L"a.mp3", L"pic.jpg"}},
        {22, IDYES, songs, L"pic.jpg", {Line(96, songs, L"pic.jpg", L"@pic.jpg"), Count(98, 1), Count(102, 1)},
         {L"@c.mp3", L"@pic.jpg", L"a.mp3"}},
        {23, IDNO, marked, L"@@s.mp3", {no, Count(98, 0)}, {L"@@s.mp3"}},
        {23, IDYES, marked, L"@@s.mp3", {Line(96, marked, L"@@s.mp3", L"@s.mp3"), Count(98, 1)}, {L"@s.mp3"}},
        {23, IDYES, clash, L"@s.mp3", {Line(97, clash, L"@s.mp3", L"s.mp3"), Count(98, 0), Count(99, 1)}, {L"@s.mp3", L"s.mp3"}},
    };
    for (const auto& c : cases) {
        answer = c.answer;
        Lines expected = {exported};
        expected.insert(expected.end(), c.lines.begin(), c.lines.end());
        EXPECT_EQ(Command(c.command, c.dir), expected) << c.command;
        EXPECT_EQ(NamesIn(c.dir), std::set<CString>(c.after.begin(), c.after.end())) << c.command;
        EXPECT_EQ(BoxTexts(), Lines{Count(c.command == 22 ? 53 : 57, 1) + L". " + g_Messages[54]});
        EXPECT_EQ(boxes.at(0).type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
        EXPECT_EQ(TempFolder::ReadBytes(unusedExport), Bytes(g_Messages[c.command == 22 ? 51 : 56] + c.dir + c.pending + L"\n"));
        DeleteFileW(unusedExport.c_str());
    }
    EXPECT_EQ(TempFolder::ReadBytes(clash + L"s.mp3"), "s.mp3");

    // Songs of a playlist that cannot be read would count as unused: nothing is exported, asked or renamed.
    const unique_handle hold =
        OwnHandle(CreateFileW((lists + L"One.M3U").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_EQ(Command(22, songs), Lines{FailureText(32, lists + L"One.M3U")});
    EXPECT_TRUE(boxes.empty());
    EXPECT_FALSE(TempFolder::Exists(unusedExport));
    EXPECT_EQ(NamesIn(songs), (std::set<CString>{L"@c.mp3", L"@pic.jpg", L"a.mp3"}));
}

}  // namespace
