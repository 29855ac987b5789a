#include <windows.h>

#include <vector>

#include "commands/input_validation.h"
#include "engine_test.h"

namespace {

const CString kHeading =
    L"Der Befehl kann nicht ausgef\u00fchrt werden. Es wurden die folgenden Fehler festgestellt:\n";

// A small collection: folders with and without files, playlists and a folder named like one.
class Validation : public EngineTest {
protected:
    Validation()
    {
        folder.Write(L"Music\\song.mp3", "x");
        folder.Write(L"Subs\\Inner\\song.mp3", "x");
        CreateDirectoryW((folder.Path() + L"Empty").c_str(), nullptr);
        const CString hidden = folder.Write(L"Hidden\\h.txt", "x");
        SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
        folder.Write(L"My.M3U", "a\r\n");
        folder.Write(L"My.m3u.txt", "a\r\n");
        folder.Write(L"x.m3u\\inside.mp3", "x");
    }
    // An empty name stays an empty edit; any other is a path in the collection.
    CString At(const wchar_t* name) const { return *name ? folder.Path() + name : CString(); }

    CommandInputs Validate(int line, const wchar_t* source, const wchar_t* target, const wchar_t* search,
                           const wchar_t* replace, bool testOnly = false)
    {
        host.Edit(InputEdit::Source) = At(source);
        host.Edit(InputEdit::Target) = At(target);
        host.Edit(InputEdit::Search) = search;
        host.Edit(InputEdit::Replace) = replace;
        host.lines.clear();
        boxes.clear();
        return ValidateCommandInputs(host, line, testOnly);
    }
};

}  // namespace

TEST_F(Validation, EveryFaultWithItsLinesInOrderAndOneGatheringBox)
{
    const struct {
        int line;
        const wchar_t *source, *target, *search, *replace;
        int32_t answer;
        uint16_t flags;
        std::vector<int> messages;
    } cases[] = {
        {1, L"", L"", L"", L"", IDYES, kInvalidSource, {17, 18}},
        {1, L"Nope", L"", L"", L"", IDYES, kInvalidSource, {17, 18}},
        {1, L"Music", L"", L"", L"", IDYES, 0, {}},
        {4, L"My.M3U", L"", L"", L"", IDYES, 0, {}},
        {4, L"My.m3u.txt", L"", L"", L"", IDYES, kInvalidM3uSource, {17, 58}},
        {4, L"x.m3u", L"", L"", L"", IDYES, kInvalidM3uSource, {17, 58}},
        {4, L"Nope.m3u", L"", L"", L"", IDYES, kInvalidM3uSource, {17, 58}},
        {28, L"Music", L"", L"", L"", IDYES, kInvalidTarget, {17, 19}},
        {34, L"My.M3U", L"Subs", L"", L"", IDYES, 0, {}},
        {34, L"My.M3U", L"Hidden", L"", L"", IDYES, kTargetNotEmpty, {17, 29}},
        {34, L"My.M3U", L"Nope", L"", L"", IDYES, kInvalidTarget, {17, 19}},
        {34, L"Music", L"Music", L"", L"", IDYES, kInvalidM3uSource | kTargetNotEmpty, {17, 58, 29}},
        {16, L"Music", L"", L"", L"", IDYES, kSearchTextMissing, {17, 20}},
        {16, L"Music", L"", L" ", L"", IDYES, 0, {}},
        {47, L"Nope", L"", L"", L"", IDNO, kInvalidSource | kSearchTextMissing | kReplaceTextMissing, {17, 18, 20, 21}},
        {47, L"Music", L"", L"x", L"", IDNO, kReplaceTextMissing, {17, 21}},
        {47, L"Music", L"", L"x", L"", 0, kReplaceTextMissing, {17, 21}},  // the box could not be shown
        {47, L"Music", L"", L"x", L"", IDYES, 0, {}},
        {47, L"Music", L"", L"x", L"y", IDNO, 0, {}},
        {10, L"Music", L"", L"", L"", IDYES, kSeparatorSelected | kNotACommand, {16, 16}},
        {0, L"Music", L"", L"", L"", IDYES, kNotACommand, {16}},
        {-1, L"Music", L"", L"", L"", IDYES, kUnknownCommand, {15}},
        {58, L"Music", L"", L"", L"", IDYES, kUnknownCommand, {15}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line << " source " << c.source << " target " << c.target);
        answer = c.answer;
        g_MessageBoxCount = 0;
        const CommandInputs inputs = Validate(c.line, c.source, c.target, c.search, c.replace);
        EXPECT_EQ(inputs.errorFlags, c.flags);
        std::vector<CString> expected;
        CString gathered = kHeading;
        for (int row : c.messages) {
            expected.push_back(g_Messages[row]);
            gathered += g_Messages[row] + L"\n";
        }
        EXPECT_EQ(host.lines, expected);

        std::vector<CString> counted;
        int questions = 0;
        for (const ShownBox& box : boxes) {
            if (box.type == MB_OK) counted.push_back(box.text);
            if (box.type != (MB_YESNO | MB_ICONWARNING)) continue;
            ++questions;
            EXPECT_EQ(box.text, g_Messages[147]);
            EXPECT_EQ(box.caption, g_MessageBoxCaption);
        }
        EXPECT_EQ(counted, c.flags ? std::vector<CString>{gathered} : std::vector<CString>{});
        EXPECT_EQ(g_MessageBoxCount, c.flags ? 1 : 0);  // the question is not counted
        EXPECT_EQ(questions, c.line == 47 && !*c.replace ? 1 : 0);
    }
}

TEST_F(Validation, FolderPathsAreCompletedInTheirEditsButPlaylistsNeverChange)
{
    const struct {
        int line;
        InputEdit edit;
        const wchar_t* typed;
        const wchar_t* checked;
    } cases[] = {
        {1, InputEdit::Source, L"Music", L"Music\\"},   {1, InputEdit::Source, L"Music\\", L"Music\\"},
        {1, InputEdit::Source, L"Nope", L"Nope\\"},     {1, InputEdit::Source, L"", L""},
        {4, InputEdit::Source, L"My.M3U", L"My.M3U"},   {4, InputEdit::Source, L"x.m3u", L"x.m3u"},
        {28, InputEdit::Target, L"Empty", L"Empty\\"},  {28, InputEdit::Target, L"Nope", L"Nope\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line << " " << c.typed);
        const bool source = c.edit == InputEdit::Source;
        const CommandInputs inputs =
            Validate(c.line, source ? c.typed : L"Music", source ? L"" : c.typed, L"", L"");
        EXPECT_EQ(host.Edit(c.edit), At(c.checked));
        EXPECT_EQ(source ? inputs.sourcePath : inputs.targetPath, At(c.checked));
    }
}

TEST_F(Validation, ChecksWithoutFaultRememberTheLinesPaths)
{
    // Which edit each pool takes: S source, T target, - unchanged.
    const struct {
        int line;
        char mp3, duplicate, unused;
    } cases[] = {
        {13, 'S', '-', '-'}, {16, 'S', '-', '-'}, {22, 'S', '-', '-'}, {27, 'S', '-', '-'},
        {34, 'T', '-', '-'}, {35, 'S', 'T', '-'}, {36, 'S', '-', 'T'}, {37, 'S', 'T', '-'},
        {38, 'S', '-', 'T'}, {43, 'T', '-', '-'}, {44, 'T', '-', '-'}, {1, '-', '-', '-'},
        {23, '-', '-', '-'}, {33, '-', '-', '-'}, {39, '-', '-', '-'}, {48, '-', '-', '-'},
        {52, '-', '-', '-'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line);
        g_Mp3Pool = g_DuplicatePool = g_UnusedPool = L"old";
        const CommandInputs inputs = Validate(c.line, c.line == 34 ? L"My.M3U" : L"Music", L"Empty", L"x", L"y");
        ASSERT_EQ(inputs.errorFlags, 0);
        const auto expected = [this](char edit) {
            return edit == 'S' ? host.Edit(InputEdit::Source) : edit == 'T' ? host.Edit(InputEdit::Target) : L"old";
        };
        EXPECT_EQ(g_Mp3Pool, expected(c.mp3));
        EXPECT_EQ(g_DuplicatePool, expected(c.duplicate));
        EXPECT_EQ(g_UnusedPool, expected(c.unused));
    }

    g_Mp3Pool = g_DuplicatePool = g_UnusedPool = L"old";
    EXPECT_EQ(Validate(35, L"Music", L"Nope", L"", L"").errorFlags, kInvalidTarget);
    EXPECT_EQ(g_Mp3Pool + g_DuplicatePool + g_UnusedPool, L"oldoldold");
}

TEST_F(Validation, TestModeRemembersThePathsAndReportsSuccessInTheCountedBox)
{
    const CommandInputs inputs = Validate(35, L"Music", L"Empty", L"", L"", true);
    EXPECT_EQ(inputs.errorFlags, kTestPassed);
    EXPECT_EQ(g_Mp3Pool, folder.Path() + L"Music\\");
    EXPECT_EQ(g_DuplicatePool, folder.Path() + L"Empty\\");
    EXPECT_TRUE(host.lines.empty());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, g_Messages[28]);
    EXPECT_EQ(g_MessageBoxCount, 1);

    EXPECT_EQ(Validate(47, L"Music", L"", L"x", L"", true).replaceText, L"");
    EXPECT_EQ(boxes.back().text, g_Messages[28]);
}
