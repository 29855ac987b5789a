#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "texts/text_tables.h"

namespace {

struct Table {
    const char* name;
    const CString* current;
    const CString* english;
    const CString* german;
    int32_t rows;
};

const Table kTables[] = {
    {"CommandList", g_CommandList, g_CommandListEnglish, g_CommandListGerman, kCommandListRows},
    {"CommandLabels", g_CommandLabels, g_CommandLabelsEnglish, g_CommandLabelsGerman, kCommandListRows},
    {"Messages", g_Messages, g_MessagesEnglish, g_MessagesGerman, kMessageRows},
    {"StaticCaptions", g_StaticCaptions, g_StaticCaptionsEnglish, g_StaticCaptionsGerman, kStaticCaptionRows},
    {"ButtonCaptions", g_ButtonCaptions, g_ButtonCaptionsEnglish, g_ButtonCaptionsGerman, kButtonCaptionRows},
    {"ButtonEventTexts", g_ButtonEventTexts, g_ButtonEventTextsEnglish, g_ButtonEventTextsGerman,
     kButtonEventTextRows},
    {"ExtraCaptions", g_ExtraCaptions, g_ExtraCaptionsEnglish, g_ExtraCaptionsGerman, kExtraCaptionRows},
    {"ScanMessages", g_ScanMessages, g_ScanMessagesEnglish, g_ScanMessagesGerman, kScanMessageRows},
};

// Every row of both languages, tooltips included, as (table name, row, English, German).
struct RowPair { std::string table; int32_t row; CString english; CString german; };
std::vector<RowPair> AllRowPairs()
{
    std::vector<RowPair> pairs;
    for (const auto& t : kTables)
        for (int32_t row = 0; row < t.rows; ++row) pairs.push_back({t.name, row, t.english[row], t.german[row]});
    for (int32_t row = 0; row < kToolTipRows; ++row)
        pairs.push_back({"ToolTips", row, g_ToolTipsEnglish[row], g_ToolTipsGerman[row]});
    return pairs;
}

bool IsSeparatorRow(int32_t row)
{
    static const std::set<int32_t> rows = {10, 12, 24, 26, 30, 32, 40, 42, 49, 51};
    return rows.count(row) != 0;
}

int32_t CommandRow(int32_t command)
{
    if (command <= 9) return command;
    if (command <= 20) return command + 3;
    if (command <= 23) return command + 6;
    if (command <= 30) return command + 9;
    if (command <= 36) return command + 12;
    return command + 15;
}

// What joins a row to the next piece: a blank, a line feed or nothing.
wchar_t EndKind(const CString& text)
{
    return text.back() == L' ' || text.back() == L'\n' ? text.back() : L'x';
}

std::vector<CString> SplitAtHash(const CString& text)
{
    std::vector<CString> pieces(1);
    for (const wchar_t c : text) {
        if (c == L'#') pieces.emplace_back();
        else pieces.back() += c;
    }
    return pieces;
}

void ExpectCurrentTablesHold(bool english, const CString& language)
{
    for (const auto& t : kTables)
        for (int32_t row = 0; row < t.rows; ++row)
            ASSERT_EQ(t.current[row], english ? t.english[row] : t.german[row]) << language << " " << t.name << row;
    for (int32_t row = 0; row < kToolTipRows; ++row)
        ASSERT_EQ(g_ToolTips[row], english ? g_ToolTipsEnglish[row] : g_ToolTipsGerman[row]) << language << row;
}

}  // namespace

TEST(TextTables, CurrentTablesAreEmptyUntilTheFirstSwitch)
{
    for (const auto& t : kTables)
        for (int32_t row = 0; row < t.rows; ++row) EXPECT_TRUE(t.current[row].empty()) << t.name << row;
    for (const wchar_t* tip : g_ToolTips) EXPECT_EQ(tip, nullptr);
    EXPECT_EQ(g_MessagesEnglish[0], L"The Execute button was pressed.");
}

TEST(TextTables, RowCounts)
{
    const struct { const char* name; size_t rows; size_t expected; } cases[] = {
        {"CommandList", std::size(g_CommandListGerman), 58}, {"CommandLabels", std::size(g_CommandLabelsGerman), 58},
        {"Messages", std::size(g_MessagesGerman), 156}, {"StaticCaptions", std::size(g_StaticCaptionsGerman), 9},
        {"ButtonCaptions", std::size(g_ButtonCaptionsGerman), 13},
        {"ButtonEventTexts", std::size(g_ButtonEventTextsGerman), 31},
        {"ExtraCaptions", std::size(g_ExtraCaptionsGerman), 5}, {"ScanMessages", std::size(g_ScanMessagesGerman), 46},
        {"ToolTips", std::size(g_ToolTipsGerman), 18},
    };
    for (const auto& c : cases) EXPECT_EQ(c.rows, c.expected) << c.name;
}

TEST(TextTables, CommandListLayoutIsTheSameInBothLanguages)
{
    EXPECT_EQ(g_SeparatorLine, CString(100, L'-'));
    for (const CString* list : {g_CommandListEnglish, g_CommandListGerman}) {
        // Rows are found by their text, so apart from the separators no text may occur twice.
        std::set<CString> seen;
        for (int32_t row = 0; row < kCommandListRows; ++row) {
            EXPECT_EQ(list[row] == g_SeparatorLine, IsSeparatorRow(row)) << row;
            if (!IsSeparatorRow(row)) {
                EXPECT_TRUE(seen.insert(list[row]).second) << row;
            }
        }
        for (const int32_t row : {0, 11, 25, 31, 41, 50}) {
            EXPECT_EQ(list[row].back(), L':') << row;
            EXPECT_EQ(list[row].find(L'.'), CString::npos) << row;
        }
        for (int32_t command = 1; command <= 42; ++command) {
            const CString prefix = std::to_wstring(command) + L". ";
            EXPECT_EQ(list[CommandRow(command)].rfind(prefix, 0), 0u) << command;
        }
    }
    EXPECT_EQ(CommandRow(42), kCommandListRows - 1);
}

TEST(TextTables, LanguagesAgreeOnEmptyRowsEdgeBlanksAndLineFeeds)
{
    for (const auto& p : AllRowPairs()) {
        const std::string where = p.table + " " + std::to_string(p.row);
        EXPECT_EQ(p.english.empty(), p.german.empty()) << where;
        for (const CString* text : {&p.english, &p.german})
            for (const wchar_t c : *text) EXPECT_LE(static_cast<unsigned>(c), 0xFFu) << where;
        if (p.english.empty() || p.german.empty()) continue;
        // The German line of the copy export's heading ends in a line feed, the English one in a blank.
        if (p.table == "Messages" && p.row == 59) continue;
        EXPECT_EQ(p.english.front() == L' ', p.german.front() == L' ') << where;
        EXPECT_EQ(EndKind(p.english), EndKind(p.german)) << where;
        EXPECT_EQ(std::count(p.english.begin(), p.english.end(), L'\n'),
                  std::count(p.german.begin(), p.german.end(), L'\n'))
            << where;
    }
}

TEST(TextTables, RowsTheProgramDependsOn)
{
    const struct { const CString* table; int32_t row; const wchar_t* english; const wchar_t* german; } cases[] = {
        {g_CommandListEnglish, 1, L"1. Create an alphabetically ascending M3U Playlist from MP3 Shortcuts", nullptr},
        {g_CommandListGerman, 1, L"1. Erzeuge eine alphabetisch aufsteigende M3U Playliste aus MP3 Verknüpfungen", nullptr},
        {g_MessagesEnglish, 46,
         L"Attetion, the forwarded separator shall be containd in the file name exactly once, not more and not "
         L"less. The command cannot be executed. The counted number of separators was: ",
         L"Achtung, der übergebene Separator soll genau einmal im Dateinamen enthalten sein, nicht öfter und nicht "
         L"seltener. Der Befehl kann nicht ausgeführt werden. Die gezählte Anzahl der Separatoren war: "},
        {g_MessagesEnglish, 59,
         L"Not all in M3U file referenced songs were found. The following songs were not copied: ",
         L"Es wurden nicht alle in der M3U Datei referenzierten Lieder gefunden. Die folgenden Lieder wurden nicht "
         L"kopiert: \n"},
        {g_MessagesEnglish, 92, L"The selected and active language is from now on: ",
         L"Die gewählte und aktive Sprache ist von nun an: "},
        {g_MessagesEnglish, 147, L"Atention, the replace string is empty. Is this your intention?",
         L"Achtung, der Ersetzen-String ist leer. Ist das Absicht?"},
        {g_MessagesEnglish, 25, L"_Playlist Alphabetical (A-Z) ", L"_Playliste Alphabetisch (A-Z) "},
        {g_MessagesEnglish, 26, L"_Playlist Descending (Z-A) ", L"_Playliste Absteigend (Z-A) "},
        {g_MessagesEnglish, 27, L"_Playlist Shuffled ", L"_Playliste Gemischt "},
        {g_MessagesEnglish, 117, L" - Shortcut", L" - Verknüpfung"},
        {g_MessagesEnglish, 154, L"", L""},
        {g_ScanMessagesEnglish, 28,
         L"Attention, your last click within the built-in file browser window did not select a directory path item.",
         L"Achtung, Ihr letzter Klick in dem eingebauten Dateibrowserfenster hat nicht zur Auswahl eines "
         L"Verzeichnispfades geführt."},
        {g_ScanMessagesEnglish, 34,
         L"The language setting was not found in the settings file. The English language will be applied.", nullptr},
        {g_CommandLabelsEnglish, 27, L"Selected Source Directory:##Find:#Replace:",
         L"Gewähltes Quellverzeichnis:##Suche:#Ersetze:"},
        {g_CommandLabelsEnglish, 53, L"", L""},
        {g_ExtraCaptionsEnglish, 3, L"", L""},
        {g_ButtonEventTextsEnglish, 30, L"", L""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.table[c.row], c.english) << c.row;
        if (c.german == nullptr) continue;
        // Each case names the English table; compare its German twin too.
        for (const auto& t : kTables)
            if (t.english == c.table) {
                EXPECT_EQ(t.german[c.row], c.german) << t.name << c.row;
            }
    }
    EXPECT_STREQ(g_ToolTipsEnglish[9], L"Pre-test of the selected command with respect to required user input and "
                                       L"required renamings of files that will to be moved");
    // The sources are UTF-8: an umlaut must arrive as one code unit.
    EXPECT_EQ(g_ButtonCaptionsGerman[6], CString(L"\u00D6ffne Hilfe"));
    EXPECT_NE(g_MessagesEnglish[124].find(L"(presumably inserted by Brindlecast)"), CString::npos);
}

TEST(TextTables, CommandLabelsSplitIntoTheSameCaptionsCountInBothLanguages)
{
    for (int32_t row = 0; row < kCommandListRows; ++row) {
        const auto english = SplitAtHash(g_CommandLabelsEnglish[row]);
        const auto german = SplitAtHash(g_CommandLabelsGerman[row]);
        EXPECT_EQ(english.size(), german.size()) << row;
        EXPECT_LE(english.size(), 4u) << row;
        // Trailing empty captions are left off.
        if (english.size() > 1) {
            EXPECT_FALSE(english.back().empty() || german.back().empty()) << row;
        }
    }
    const std::vector<CString> row27 = {L"Selected Source Directory:", L"", L"Find:", L"Replace:"};
    EXPECT_EQ(SplitAtHash(g_CommandLabelsEnglish[27]), row27);
}

TEST(TextTables, CopyLanguageTablesSwitchesEveryTable)
{
    const struct { const wchar_t* language; bool english; } steps[] = {
        {L"English", true}, {L"German", false}, {L"English", true},
        {L"english", false}, {L"English ", false}, {L"", false}, {L"Deutsch", false}, {L"English", true},
    };
    for (const auto& step : steps) {
        CopyLanguageTables(step.language);
        ExpectCurrentTablesHold(step.english, step.language);
    }
}
