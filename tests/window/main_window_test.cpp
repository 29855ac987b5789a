#include <gtest/gtest.h>
#include <shlobj.h>

#include <commctrl.h>

#include "state/globals.h"
#include "dialog_runner.h"
#include "res/resource_ids.h"
#include "texts/text_tables.h"

namespace {

bool FolderExists(const CString& path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The captions that follow the language: statics, colour buttons, three check boxes, command list.
void ExpectLanguage(const DialogRunner& window, const CString* statics, const CString* buttons,
                    const CString* extras, const CString* commands, const CString& sourceCaption)
{
    EXPECT_EQ(window.Text(IDC_STATIC_SELECT_DIR), statics[0]);
    EXPECT_EQ(window.Text(IDC_STATIC_INFO), statics[5]);
    EXPECT_EQ(window.Text(IDC_EXECUTE), buttons[4]);
    EXPECT_EQ(window.Text(IDC_LANGUAGE), buttons[8]);
    EXPECT_EQ(window.Text(IDC_STOP_ENTRIES), extras[0]);
    EXPECT_EQ(window.Text(IDC_OPEN_EXPORT), extras[4]);
    EXPECT_EQ(SendMessageW(window.Control(IDC_COMMAND_COMBO), CB_GETCOUNT, 0, 0), 58);
    for (int row : {0, 1, 10, 57}) EXPECT_EQ(window.ComboLine(row), commands[row]) << row;
    EXPECT_EQ(window.Text(IDC_STATIC_SOURCE), sourceCaption);
}

}  // namespace

TEST(MainWindow, StartsInEnglishWithItsWorkingFolders)
{
    DialogRunner window;
    ASSERT_TRUE(window.Window());
    EXPECT_EQ(window.Text(0), L"Tallowmere v0.99 (e)");
    ExpectLanguage(window, g_StaticCaptionsEnglish, g_ButtonCaptionsEnglish, g_ExtraCaptionsEnglish,
                   g_CommandListEnglish, L"Selected Source Directory:");
    EXPECT_EQ(SendMessageW(window.Control(IDC_COMMAND_COMBO), CB_GETCURSEL, 0, 0), 1);
    EXPECT_TRUE(window.IsChecked(IDC_CASE_CHECK));
    for (const wchar_t* folder : {L"\\_Exports", L"\\_Help", L"\\_Settings"})
        EXPECT_TRUE(FolderExists(window.WorkFolder() + folder)) << folder;
    EXPECT_EQ(g_HelpFileGerman, window.WorkFolder() + L"\\_Help\\Hilfe.pdf");
}

TEST(MainWindow, LanguageSwitchesToGermanAndBackKeepingTheSelectedLine)
{
    DialogRunner window;
    window.Click(IDC_CLEAR_INFO);
    window.SelectCommandLine(16);
    window.Click(IDC_LANGUAGE);
    ExpectLanguage(window, g_StaticCaptionsGerman, g_ButtonCaptionsGerman, g_ExtraCaptionsGerman,
                   g_CommandListGerman, L"Gewähltes Quellverzeichnis:");
    EXPECT_EQ(SendMessageW(window.Control(IDC_COMMAND_COMBO), CB_GETCURSEL, 0, 0), 16);
    EXPECT_EQ(window.Text(IDC_STATIC_SEARCH), L"Separator:");
    ASSERT_EQ(window.InfoLineCount(), 3);
    EXPECT_EQ(window.InfoLine(1), L"The 'Language' button was pressed.");
    EXPECT_EQ(window.InfoLine(2), g_MessagesGerman[92] + L"Deutsch");

    window.Click(IDC_LANGUAGE);
    ExpectLanguage(window, g_StaticCaptionsEnglish, g_ButtonCaptionsEnglish, g_ExtraCaptionsEnglish,
                   g_CommandListEnglish, L"Selected Source Directory:");
    EXPECT_EQ(window.InfoLine(4), L"The selected and active language is from now on: English");
    int tooltips = 0;
    for (HWND tip : g_ToolTipWindows) tooltips += IsWindow(tip) ? 1 : 0;
    EXPECT_EQ(tooltips, 18);
}

TEST(MainWindow, StopEntriesHoldsBackEveryLineButItsOwnTwo)
{
    DialogRunner window;
    window.Click(IDC_CLEAR_INFO);
    window.Click(IDC_STOP_ENTRIES);
    window.Click(IDC_LANGUAGE);
    window.Click(IDC_STOP_ENTRIES);
    ASSERT_EQ(window.InfoLineCount(), 3);
    EXPECT_EQ(window.InfoLine(1), L"The 'Stop Entries' checkbox was checked.");
    EXPECT_EQ(window.InfoLine(2), g_ButtonEventTextsGerman[22] + g_ButtonEventTextsGerman[18] +
                                      g_ButtonEventTextsGerman[21]);
}

TEST(MainWindow, ShellBrowserClickSetsTheCurrentFolderOrWritesTheAttentionLine)
{
    wchar_t desktop[MAX_PATH];
    ASSERT_EQ(SHGetFolderPathW(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    const CString name = L"tallowmere-click-" + std::to_wstring(GetCurrentProcessId());
    const CString folder = CString(desktop) + L"\\" + name;
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    // Removed however the test ends: the desktop is the user's own folder.
    struct RemoveAtEnd {
        const CString& path;
        ~RemoveAtEnd() { RemoveDirectoryW(path.c_str()); }
    } removeAtEnd{folder};
    {
        DialogRunner window;
        const HWND list = window.Control(IDC_SHELL_LIST);
        LVFINDINFOW find = {};
        find.flags = LVFI_STRING;
        find.psz = name.c_str();
        const int item = static_cast<int>(SendMessageW(list, LVM_FINDITEMW, static_cast<WPARAM>(-1),
                                                       reinterpret_cast<LPARAM>(&find)));
        ASSERT_GE(item, 0);
        auto click = [&](int index) {
            NMITEMACTIVATE note = {};
            note.hdr = {list, IDC_SHELL_LIST, static_cast<UINT>(NM_CLICK)};
            note.iItem = index;
            SendMessageW(window.Window(), WM_NOTIFY, IDC_SHELL_LIST, reinterpret_cast<LPARAM>(&note));
        };
        const int linesBefore = window.InfoLineCount();
        click(item);
        EXPECT_EQ(g_CurrentFolder, folder);
        EXPECT_EQ(window.InfoLineCount(), linesBefore);
        click(-1);
        EXPECT_EQ(g_CurrentFolder, folder);
        ASSERT_EQ(window.InfoLineCount(), linesBefore + 1);
        EXPECT_EQ(window.InfoLine(linesBefore), g_ScanMessagesEnglish[28]);
    }
}

TEST(MainWindow, CloseBoxAndEscCloseTheWindowEnterDoesNot)
{
    const struct { UINT msg; WPARAM w; bool closes; } cases[] = {
        {WM_COMMAND, IDOK, false},
        {WM_CLOSE, 0, true},
        {WM_COMMAND, IDCANCEL, true},
    };
    for (const auto& c : cases) {
        DialogRunner window;
        SendMessageW(window.Window(), c.msg, c.w, 0);
        EXPECT_EQ(window.WaitClosed(2000), c.closes) << c.msg;
    }
}

TEST(MainWindow, EnterPressesTheFocusedPushButtonOnly)
{
    DialogRunner window;
    window.Click(IDC_CLEAR_INFO);
    SendMessageW(window.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window.Control(IDC_UP)), TRUE);
    SendMessageW(window.Window(), WM_COMMAND, IDOK, 0);
    SendMessageW(window.Window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window.Control(IDC_SOURCE_EDIT)), TRUE);
    SendMessageW(window.Window(), WM_COMMAND, IDOK, 0);
    ASSERT_EQ(window.InfoLineCount(), 2);
    EXPECT_EQ(window.InfoLine(1), L"The 'Up' button was pressed.");
    EXPECT_TRUE(IsWindow(window.Window()));
}
