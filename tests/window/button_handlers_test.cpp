#include <gtest/gtest.h>

#include <vector>

#include "dialog_runner.h"
#include "framework/message_boxes.h"
#include "helpers/clipboard.h"
#include "res/resource_ids.h"
#include "state/globals.h"
#include "support/clipboard_lock.h"
#include "support/temp_folder.h"
#include "texts/text_tables.h"

namespace {

// Answers every box with OK/Yes and keeps its text, for the length of a test.
class BoxRecorder {
public:
    BoxRecorder()
    {
        SetMessageBoxAnswerer([this](const CString& text, const CString&, UINT) {
            texts.push_back(text);
            return IDOK;
        });
    }
    ~BoxRecorder() { SetMessageBoxAnswerer(nullptr); }
    std::vector<CString> texts;
};

std::vector<CString> InfoLines(const DialogRunner& window)
{
    std::vector<CString> lines;
    for (int i = 0; i < window.InfoLineCount(); ++i) lines.push_back(window.InfoLine(i));
    return lines;
}

}  // namespace

TEST(ButtonHandlers, SelectingLinesSetsCaptionsCheckBoxesAndRememberedPaths)
{
    TempFolder work(L"select");
    work.Write(L"_Settings\\Settings.txt",
               "MP3 Pool = D:\\Songs\\\r\nDuplicate Pool = D:\\Doubles\\\r\nUnused Pool = D:\\Unused\\\r\n");
    DialogRunner window(work.Path());
    const struct {
        int line; const wchar_t* source; const wchar_t* search; bool caseBox; bool wholeBox;
        const wchar_t* sourceEdit; const wchar_t* targetEdit;
    } cases[] = {
        {0, L"", L"", true, false, L"typed", L"typed"},
        {16, L"Selected Source Directory:", L"Separator:", true, false, L"D:\\Songs\\", L"typed"},
        {35, nullptr, nullptr, true, false, L"D:\\Songs\\", L"D:\\Doubles\\"},
        {36, nullptr, nullptr, true, false, L"D:\\Songs\\", L"D:\\Unused\\"},
        {46, nullptr, nullptr, false, true, L"typed", L"typed"},
        {40, L"", L"", true, false, L"typed", L"typed"},
    };
    for (const auto& c : cases) {
        window.SetText(IDC_SOURCE_EDIT, L"typed");
        window.SetText(IDC_TARGET_EDIT, L"typed");
        SendMessageW(window.Control(IDC_WHOLE_WORD_CHECK), BM_SETCHECK, c.wholeBox, 0);
        window.SelectCommandLine(c.line);
        if (c.source) EXPECT_EQ(window.Text(IDC_STATIC_SOURCE), c.source) << c.line;
        if (c.search) EXPECT_EQ(window.Text(IDC_STATIC_SEARCH), c.search) << c.line;
        EXPECT_EQ(window.IsChecked(IDC_CASE_CHECK), c.caseBox) << c.line;
        EXPECT_EQ(window.IsChecked(IDC_WHOLE_WORD_CHECK), c.wholeBox) << c.line;
        EXPECT_EQ(window.Text(IDC_SOURCE_EDIT), c.sourceEdit) << c.line;
        EXPECT_EQ(window.Text(IDC_TARGET_EDIT), c.targetEdit) << c.line;
    }
}

TEST(ButtonHandlers, TestGivesTheVerdictExecuteRunsTheCommand)
{
    DialogRunner window;
    BoxRecorder boxes;
    window.Click(IDC_CLEAR_INFO);
    window.SelectCommandLine(1);
    window.SetText(IDC_SOURCE_EDIT, window.WorkFolder());
    window.Click(IDC_TEST);
    window.SetText(IDC_SOURCE_EDIT, L"");
    window.Click(IDC_TEST);
    const std::vector<CString> expected = {
        L"The 'Clear Info' button was pressed.", L"The Test button was pressed.",
        L"The Test button was pressed.", g_MessagesEnglish[17], g_MessagesEnglish[18],
    };
    EXPECT_EQ(InfoLines(window), expected);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_EQ(boxes.texts[0], g_MessagesEnglish[28]);
    EXPECT_EQ(window.Text(IDC_SOURCE_EDIT), L"");
    // The first Test completed the folder path in its edit before it was cleared.
    window.SetText(IDC_SOURCE_EDIT, window.WorkFolder());
    window.Click(IDC_EXECUTE);
    EXPECT_EQ(window.Text(IDC_SOURCE_EDIT), window.WorkFolder() + L"\\");
    // The folder holds no shortcuts: command 1 ran and made no playlist.
    EXPECT_EQ(window.InfoLine(window.InfoLineCount() - 2), L"The Execute button was pressed.");
    EXPECT_EQ(window.InfoLine(window.InfoLineCount() - 1), g_MessagesEnglish[24]);
}

TEST(ButtonHandlers, PathButtonsMoveTheCurrentFolderAndTheClipboardIntoTheEdits)
{
    ClipboardLock lock;
    DialogRunner window;
    window.Click(IDC_CLEAR_INFO);
    g_CurrentFolder = L"C:\\Music";
    window.Click(IDC_SELECT_TARGET);
    EXPECT_EQ(window.Text(IDC_TARGET_EDIT), L"C:\\Music");
    window.Click(IDC_CLEAR_SOURCE_PATH);
    window.Click(IDC_SELECT_SOURCE);
    EXPECT_EQ(window.Text(IDC_SOURCE_EDIT), L"");

    const struct { const wchar_t* clipboard; const wchar_t* edit; } cases[] = {
        {L"C:\\Music\r\n", L"C:\\Music"},
        {L"C:\\Music\r\n\r\n", L"C:\\Music\r\n"},
        {L"C:\\a\r\nb\u0416", L"C:\\a\r\nb\u0416"},
    };
    for (const auto& c : cases) {
        SetClipboardText(c.clipboard);
        window.Click(IDC_INSERT_SOURCE_PATH);
        EXPECT_EQ(window.Text(IDC_SOURCE_EDIT), c.edit);
    }
    const std::vector<CString> expected = {
        L"The 'Clear Info' button was pressed.", L"The 'Select Target Path' button was pressed.", L"Selected File or Path: C:\\Music",
        L"The 'ClearPath' button was pressed.", L"The 'Select' button was pressed.",
        L"The 'Insert' button was pressed.", L"The 'Insert' button was pressed.",
        L"The 'Insert' button was pressed.",
    };
    EXPECT_EQ(InfoLines(window), expected);
}

TEST(ButtonHandlers, SearchOptionBoxesOnlyChangeOnSearchLines)
{
    DialogRunner window;
    window.Click(IDC_CLEAR_INFO);
    window.Click(IDC_CASE_CHECK);
    window.Click(IDC_WHOLE_WORD_CHECK);
    EXPECT_TRUE(window.IsChecked(IDC_CASE_CHECK));
    EXPECT_FALSE(window.IsChecked(IDC_WHOLE_WORD_CHECK));
    window.SelectCommandLine(27);
    window.Click(IDC_CASE_CHECK);
    window.Click(IDC_WHOLE_WORD_CHECK);
    EXPECT_FALSE(window.IsChecked(IDC_CASE_CHECK));
    EXPECT_TRUE(window.IsChecked(IDC_WHOLE_WORD_CHECK));
    const std::vector<CString> expected = {L"The 'Clear Info' button was pressed.", g_MessagesEnglish[77],
                                           g_MessagesEnglish[78]};
    EXPECT_EQ(InfoLines(window), expected);
    window.Click(IDC_OPEN_EXPORT);
    EXPECT_EQ(g_OpenExport, 1);
}

TEST(ButtonHandlers, HelpReportsAMissingManual)
{
    DialogRunner window;
    window.Click(IDC_CLEAR_INFO);
    window.Click(IDC_HELP_BUTTON);
    ASSERT_EQ(window.InfoLineCount(), 3);
    EXPECT_EQ(window.InfoLine(1), L"The 'Manual D' (German) button was pressed.");
    EXPECT_EQ(window.InfoLine(2).rfind(g_MessagesEnglish[93], 0), 0u);
}

TEST(ButtonHandlers, CloseAndRestartKeepLanguagePositionAndRememberedPaths)
{
    TempFolder work(L"restart");
    const CString songs = work.Path() + L"Songs \u0416";
    CreateDirectoryW(songs.c_str(), nullptr);
    {
        DialogRunner window(work.Path());
        BoxRecorder boxes;
        window.SelectCommandLine(13);
        window.SetText(IDC_SOURCE_EDIT, songs);
        window.Click(IDC_TEST);  // a check without fault remembers the folder
        window.Click(IDC_LANGUAGE);
        SetWindowPos(window.Window(), nullptr, 100, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SendMessageW(window.Window(), WM_CLOSE, 0, 0);
        ASSERT_TRUE(window.WaitClosed(2000));
    }
    g_Mp3Pool.clear();
    DialogRunner window(work.Path());
    EXPECT_EQ(window.Text(IDC_LANGUAGE), g_ButtonCaptionsGerman[8]);
    RECT rect;
    GetWindowRect(window.Window(), &rect);
    EXPECT_EQ(rect.left, 100);
    EXPECT_EQ(rect.top, 50);
    window.SelectCommandLine(13);
    EXPECT_EQ(window.Text(IDC_SOURCE_EDIT), songs + L"\\");
}
