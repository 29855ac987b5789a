#include "commands/input_validation.h"
#include "engine_test.h"
#include "texts/text_rows.h"

namespace {

const CString kHeading = L"Der Befehl kann nicht ausgef\u00fchrt werden. Es wurden die folgenden Fehler festgestellt:\n";

// A small collection: folders with and without files, playlists and a folder named like one.
class Validation : public EngineTest {
protected:
    Validation()
    {
        folder.Write(L"Music\\song.mp3", "x");
        folder.Write(L"Subs\\Inner\\song.mp3", "x");
        CreateDirectoryW((folder.Path() + L"Empty").c_str(), nullptr);
        SetFileAttributesW(folder.Write(L"Hidden\\h.txt", "x").c_str(), FILE_ATTRIBUTE_HIDDEN);
        folder.Write(L"My.M3U", "a\r\n");
        folder.Write(L"x.m3u\\inside.mp3", "x");
    }
    // An empty name stays an empty edit; any other is a path in the collection.
    CString At(const wchar_t* name) const { return *name ? folder.Path() + name : CString(); }

    CommandInputs Validate(int line, const wchar_t* source, const wchar_t* target, const wchar_t* search,
                           const wchar_t* replace, bool testOnly = false)
    {
        host.edits = {At(source), At(target), search, replace};
        host.lines.clear();
        boxes.clear();
        return ValidateCommandInputs(host, line, testOnly);
    }
};

}  // namespace

TEST_F(Validation, EveryFaultWithItsLinesInOrderAndOneGatheringBox)
{
    const struct {
        int line; const wchar_t *source, *target, *search, *replace; int32_t answer; uint16_t flags; std::vector<int> messages;
    } cases[] = {
        {1, L"", L"", L"", L"", IDYES, kInvalidSource, {17, 18}},
        {4, L"My.M3U", L"", L"", L"", IDYES, 0, {}},
        {4, L"x.m3u", L"", L"", L"", IDYES, kInvalidM3uSource, {17, 58}},
        {28, L"Music", L"", L"", L"", IDYES, kInvalidTarget, {17, 19}},
        {34, L"My.M3U", L"Subs", L"", L"", IDYES, 0, {}},
        {34, L"My.M3U", L"Hidden", L"", L"", IDYES, kTargetNotEmpty, {17, 29}},
        {34, L"Music", L"Music", L"", L"", IDYES, kInvalidM3uSource | kTargetNotEmpty, {17, 58, 29}},
        {16, L"Music", L"", L"", L"", IDYES, kSearchTextMissing, {17, 20}},
        {16, L"Music", L"", L" ", L"", IDYES, 0, {}},
        {47, L"Nope", L"", L"", L"", IDNO, kInvalidSource | kSearchTextMissing | kReplaceTextMissing, {17, 18, 20, 21}},
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
        Lines expected;
        CString gathered = kHeading;
        for (int row : c.messages) {
            expected.push_back(g_Messages[row]);
            gathered += g_Messages[row] + L"\n";
        }
        EXPECT_EQ(host.lines, expected);
        Lines shown;
        if (c.line == 47 && !*c.replace) shown.push_back(g_Messages[msg::kEmptyReplaceQuestion]);
        if (c.flags) shown.push_back(gathered);
        EXPECT_EQ(BoxTexts(), shown);
        EXPECT_EQ(g_MessageBoxCount, c.flags ? 1 : 0);  // the question is not counted
    }
}

// A check without fault completes folder paths in their edits, never a playlist's, and remembers
// them in the pools of the line's command; a test run too, with the verdict in the counted box.
TEST_F(Validation, ChecksWithoutFaultCompleteAndRememberTheLinesPaths)
{
    // Which path each pool takes: S the source folder, T the target folder, - unchanged.
    const struct { int line; char mp3, duplicate, unused; bool testOnly; } cases[] = {
        {13, 'S', '-', '-', false}, {34, 'T', '-', '-', false}, {35, 'S', 'T', '-', true},
        {38, 'S', '-', 'T', false}, {1, '-', '-', '-', false}, {39, '-', '-', '-', true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "line " << c.line);
        g_Mp3Pool = g_DuplicatePool = g_UnusedPool = L"old";
        g_MessageBoxCount = 0;
        const wchar_t* source = c.line == 34 ? L"My.M3U" : c.line == 13 ? L"Music\\" : L"Music";
        const CommandInputs inputs = Validate(c.line, source, L"Empty", L"x", L"y", c.testOnly);
        EXPECT_EQ(inputs.errorFlags, c.testOnly ? kTestPassed : 0);
        EXPECT_EQ(BoxTexts(), c.testOnly ? Lines{g_Messages[msg::kNoErrorsFound]} : Lines{});
        EXPECT_EQ(g_MessageBoxCount, c.testOnly ? 1 : 0);
        EXPECT_EQ(host.Edit(InputEdit::Source), At(c.line == 34 ? L"My.M3U" : L"Music\\"));
        const auto expected = [this](char pool) {
            return pool == 'S' ? At(L"Music\\") : pool == 'T' ? At(L"Empty\\") : CString(L"old");
        };
        EXPECT_EQ(g_Mp3Pool + L"|" + g_DuplicatePool + L"|" + g_UnusedPool,
                  expected(c.mp3) + L"|" + expected(c.duplicate) + L"|" + expected(c.unused));
    }
    g_Mp3Pool = g_DuplicatePool = g_UnusedPool = L"old";
    EXPECT_EQ(Validate(35, L"Music", L"Nope", L"", L"").errorFlags, kInvalidTarget);
    EXPECT_EQ(g_Mp3Pool + g_DuplicatePool + g_UnusedPool, L"oldoldold");
    // A test run asks about an empty replace text as well, and passes it on empty.
    EXPECT_EQ(Validate(47, L"Music", L"", L"x", L"", true).replaceText, L"");
    EXPECT_EQ(BoxTexts(), (Lines{g_Messages[msg::kEmptyReplaceQuestion], g_Messages[msg::kNoErrorsFound]}));
}
