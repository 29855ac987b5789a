#include "engine_test.h"
#include "texts/text_rows.h"

namespace {

using InfoListExport = EngineTest;

// Like the window, it adds no line while Stop Entries is checked.
class StopEntriesHost : public ScriptedHost {
    void AddInfoLine(const CString& text) override { if (g_StopEntries == 0) ScriptedHost::AddInfoLine(text); }
};

TEST_F(InfoListExport, TheListIsExportedAsItStandsWithThisRunsLineUnlessEntriesAreStopped)
{
    const Lines before = {L"First line", L"Zweite Zeile \u00E4"};
    for (const uint8_t stop : {0, 1}) {
        StopEntriesHost list;
        list.selectedLine = CommandLine(41);
        list.lines = before;
        g_StopEntries = stop;
        ExecuteCommand(list, false);
        EXPECT_EQ(list.lines.size(), stop ? 2u : 4u);
        EXPECT_EQ(TempFolder::ReadBytes(Export((stop ? L"_001" : L"") + CString(L"Listbox Content"))),
                  Bytes(g_Messages[msg::kListboxContent] + L": \n" + Joined(before) +
                        (stop ? L"" : g_Messages[msg::kExecutePressed] + L"\n")));
    }
}

}  // namespace
