#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "texts/command_lines.h"
#include "texts/text_tables.h"

namespace {

const struct { const char* name; const CString *current, *english, *german; int32_t rows; } kTables[] = {
    {"CommandList", g_CommandList, g_CommandListEnglish, g_CommandListGerman, kCommandListRows},
    {"CommandLabels", g_CommandLabels, g_CommandLabelsEnglish, g_CommandLabelsGerman, kCommandListRows},
    {"Messages", g_Messages, g_MessagesEnglish, g_MessagesGerman, kMessageRows},
    {"StaticCaptions", g_StaticCaptions, g_StaticCaptionsEnglish, g_StaticCaptionsGerman, kStaticCaptionRows},
    {"ButtonCaptions", g_ButtonCaptions, g_ButtonCaptionsEnglish, g_ButtonCaptionsGerman, kButtonCaptionRows},
    {"ButtonEventTexts", g_ButtonEventTexts, g_ButtonEventTextsEnglish, g_ButtonEventTextsGerman, kButtonEventTextRows},
    {"ExtraCaptions", g_ExtraCaptions, g_ExtraCaptionsEnglish, g_ExtraCaptionsGerman, kExtraCaptionRows},
    {"ScanMessages", g_ScanMessages, g_ScanMessagesEnglish, g_ScanMessagesGerman, kScanMessageRows},
};

// What joins a row to the next piece: a blank, a line feed or nothing.
wchar_t EndKind(const CString& text) { return text.back() == L' ' || text.back() == L'\n' ? text.back() : L'x'; }

size_t Count(const CString& text, wchar_t c) { return std::count(text.begin(), text.end(), c); }

}  // namespace

// Every command stands on its own row under its number; the other rows are headings and separators.
TEST(TextTables, CommandListLayoutIsTheSameInBothLanguages)
{
    for (const CString* list : {g_CommandListEnglish, g_CommandListGerman}) {
        // Rows are found by their text, so apart from the separators no text may occur twice.
        std::set<CString> seen;
        for (int32_t row = 0; row < kCommandListRows; ++row) {
            const int32_t command = CommandAtLine(row);
            if (command) EXPECT_TRUE(list[row].starts_with(std::to_wstring(command) + L". ")) << row;
            else EXPECT_TRUE(list[row] == g_SeparatorLine || list[row].back() == L':') << row;
            EXPECT_TRUE(list[row] == g_SeparatorLine || seen.insert(list[row]).second) << row;
        }
    }
}

// A row added or lost in one language shifts every later row against the other. Any language but
// "English", in that spelling, gives the German rows, every one of them copied.
TEST(TextTables, LanguagesAgreeOnEmptyRowsEdgeBlanksAndLineFeeds)
{
    CopyLanguageTables(L"english");
    const auto compare = [](const std::string& where, const CString& english, const CString& german,
                            const CString& now) {
        EXPECT_EQ(now, german) << where;
        EXPECT_EQ(english.empty(), german.empty()) << where;
        for (const CString* text : {&english, &german})
            for (const wchar_t c : *text) EXPECT_LE(static_cast<unsigned>(c), 0xFFu) << where;
        // The German line of the copy export's heading ends in a line feed, the English one in a blank.
        if (english.empty() || german.empty() || where == "Messages 59") return;
        EXPECT_EQ(english.front() == L' ', german.front() == L' ') << where;
        EXPECT_EQ(EndKind(english), EndKind(german)) << where;
        EXPECT_EQ(Count(english, L'\n'), Count(german, L'\n')) << where;
        EXPECT_EQ(Count(english, L'#'), Count(german, L'#')) << where;
    };
    for (const auto& t : kTables)
        for (int32_t row = 0; row < t.rows; ++row)
            compare(std::string(t.name) + " " + std::to_string(row), t.english[row], t.german[row], t.current[row]);
    for (int32_t row = 0; row < kToolTipRows; ++row)
        compare("ToolTips " + std::to_string(row), g_ToolTipsEnglish[row], g_ToolTipsGerman[row], g_ToolTips[row]);
}

// Rows near the ends of the tables: any shift within a table moves one of them.
TEST(TextTables, RowsTheProgramDependsOn)
{
    const struct { const CString* table; int32_t row; const wchar_t* text; } cases[] = {
        {g_MessagesEnglish, 0, L"The Execute button was pressed."},
        {g_MessagesEnglish, 147, L"Atention, the replace string is empty. Is this your intention?"},
        {g_CommandLabelsEnglish, 27, L"Selected Source Directory:##Find:#Replace:"},
        {g_ButtonCaptionsGerman, 6, L"\u00D6ffne Hilfe"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.table[c.row], c.text) << c.row;
}
