#include <gtest/gtest.h>

#include <span>
#include <string>

#include "texts/text_rows.h"
#include "texts/text_tables.h"

// A name left on a row that was emptied or moved reads an empty text. Each table lists its names in
// row order, so a row named twice shows as well.
TEST(TextRows, EveryNamedRowHoldsATextInBothLanguages)
{
    const struct {
        const char* table;
        std::span<const int32_t> named;
        const CString *english, *german;
        int32_t rows;
    } tables[] = {
        {"Messages", msg::kAllNamed, g_MessagesEnglish, g_MessagesGerman, kMessageRows},
        {"ButtonEventTexts", button_event::kAllNamed, g_ButtonEventTextsEnglish, g_ButtonEventTextsGerman,
         kButtonEventTextRows},
        {"ButtonCaptions", button_caption::kAllNamed, g_ButtonCaptionsEnglish, g_ButtonCaptionsGerman,
         kButtonCaptionRows},
        {"ExtraCaptions", extra_caption::kAllNamed, g_ExtraCaptionsEnglish, g_ExtraCaptionsGerman, kExtraCaptionRows},
        {"ScanMessages", scan_msg::kAllNamed, g_ScanMessagesEnglish, g_ScanMessagesGerman, kScanMessageRows},
    };
    for (const auto& t : tables) {
        int32_t previous = -1;
        for (const int32_t row : t.named) {
            SCOPED_TRACE(std::string(t.table) + " " + std::to_string(row));
            ASSERT_GT(row, previous);
            previous = row;
            ASSERT_LT(row, t.rows);
            EXPECT_FALSE(t.english[row].empty());
            EXPECT_FALSE(t.german[row].empty());
        }
    }
}
