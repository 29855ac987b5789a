#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <vector>

#include "dialog/colour_buttons.h"
#include "dialog_runner.h"
#include "framework/shell_opener.h"
#include "helpers/clipboard.h"
#include "helpers/file_operations.h"
#include "support/clipboard_lock.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// The information list is scrolled as far as it goes: its last line is in view.
bool LastLineInView(HWND list)
{
    RECT client, last;
    GetClientRect(list, &client);
    SendMessageW(list, LB_GETITEMRECT, SendMessageW(list, LB_GETCOUNT, 0, 0) - 1, reinterpret_cast<LPARAM>(&last));
    return last.top >= 0 && last.bottom <= client.bottom;
}

constexpr POINT kParking = {10, 1010};  // where the cursor waits: outside every window

// Puts the cursor at `p` and waits until Wine reads it there (from the X server, 100 ms after a move).
void PlaceCursor(POINT p)
{
    POINT now = {};
    for (int attempt = 0; attempt < 20; ++attempt) {
        SetCursorPos(p.x + 1, p.y);  // a move to where Wine believes the cursor is would do nothing
        SetCursorPos(p.x, p.y);
        Sleep(150);
        GetCursorPos(&now);
        if (now.x == p.x && now.y == p.y) return;
    }
    FAIL() << "the cursor stays at " << now.x << "," << now.y;
}

POINT Centre(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

}  // namespace

TEST(MainWindow, StartsInEnglishEachLineSetsCaptionsBoxesAndPathsTheLanguageSwitchKeepsTheLineAndStopEntriesHoldsLines)
{
    TempFolder work(L"window");
    work.Write(L"_Settings\\Settings.txt",
               "MP3 Pool = D:\\Songs\\\r\nDuplicate Pool = D:\\Doubles\\\r\nUnused Pool = D:\\Unused\\\r\n");
    DialogRunner window(work.Path());
    // An icon, returned directly, not through the dialog's message result.
    ICONINFO icon = {};
    EXPECT_TRUE(GetIconInfo(reinterpret_cast<HICON>(window.Send(WM_QUERYDRAGICON)), &icon));
    for (const wchar_t* folder : {L"\\_Exports", L"\\_Help", L"\\_Settings"})
        EXPECT_TRUE(FolderExists(window.WorkFolder() + folder)) << folder;

    // Captions of every kind, the command list and the labels of the selected line follow the language.
    const struct { bool english; int line; CString sourceCaption, lastLine; } languages[] = {
        {true, 1, L"Selected Source Directory:", L""},
        {false, 16, L"Gewähltes Quellverzeichnis:", g_MessagesGerman[msg::kActiveLanguage] + L"Deutsch"},
        {true, 16, L"Selected Source Directory:", L"The selected and active language is from now on: English"},
    };
    ComboBox combo;
    combo.Attach(window.Window(), IDC_COMMAND_COMBO);
    for (const auto& l : languages) {
        if (!l.lastLine.empty()) {
            window.SelectCommandLine(16);
            window.Click(IDC_LANGUAGE);
            EXPECT_EQ(window.InfoLines().back(), l.lastLine);
        }
        EXPECT_EQ(combo.CurSel(), l.line);
        EXPECT_EQ(window.Text(IDC_STATIC_INFO), (l.english ? g_StaticCaptionsEnglish : g_StaticCaptionsGerman)[5]);
        EXPECT_EQ(window.Text(IDC_EXECUTE), (l.english ? g_ButtonCaptionsEnglish : g_ButtonCaptionsGerman)[4]);
        EXPECT_EQ(window.Text(IDC_OPEN_EXPORT),
                  (l.english ? g_ExtraCaptionsEnglish : g_ExtraCaptionsGerman)[extra_caption::kOpenExports]);
        EXPECT_EQ(combo.Count(), 58);
        EXPECT_EQ(combo.ItemText(57), (l.english ? g_CommandListEnglish : g_CommandListGerman)[57]);
        EXPECT_EQ(window.Text(IDC_STATIC_SOURCE), l.sourceCaption);
    }

    const struct {
        int line; const wchar_t *source, *search; bool caseBox, wholeBox; const wchar_t *sourceEdit, *targetEdit;
    } cases[] = {
        {0, L"", L"", true, false, L"typed", L"typed"},
        {16, L"Selected Source Directory:", L"Separator:", true, false, L"D:\\Songs\\", L"typed"},
        {36, L"Selected Source Directory:", L"", true, false, L"D:\\Songs\\", L"D:\\Unused\\"},
        {46, L"Selected M3U File Directory:", L"Find:", false, true, L"typed", L"typed"},
    };
    for (const auto& c : cases) {
        window.SetText(IDC_SOURCE_EDIT, L"typed");
        window.SetText(IDC_TARGET_EDIT, L"typed");
        window.SendTo(IDC_WHOLE_WORD_CHECK, BM_SETCHECK, c.wholeBox);
        window.SelectCommandLine(c.line);
        EXPECT_EQ(window.Text(IDC_STATIC_SOURCE), c.source) << c.line;
        EXPECT_EQ(window.Text(IDC_STATIC_SEARCH), c.search) << c.line;
        EXPECT_EQ(window.IsChecked(IDC_CASE_CHECK), c.caseBox) << c.line;
        EXPECT_EQ(window.IsChecked(IDC_WHOLE_WORD_CHECK), c.wholeBox) << c.line;
        EXPECT_EQ(window.Text(IDC_SOURCE_EDIT), c.sourceEdit) << c.line;
        EXPECT_EQ(window.Text(IDC_TARGET_EDIT), c.targetEdit) << c.line;
    }

    window.Click(IDC_CLEAR_INFO);  // Stop Entries holds back every line but its own two
    window.Click(IDC_STOP_ENTRIES);
    window.Click(IDC_LANGUAGE);
    window.Click(IDC_STOP_ENTRIES);
    const std::vector<CString> expected = {
        L"The 'Clear Info' button was pressed.", L"The 'Stop Entries' checkbox was checked.",
        g_ButtonEventTextsGerman[button_event::kCheckboxArticle] +
            g_ButtonEventTextsGerman[button_event::kStopEntriesName] +
            g_ButtonEventTextsGerman[button_event::kCheckboxUnchecked]};
    EXPECT_EQ(window.InfoLines(), expected);
}

TEST(MainWindow, EnterPressesOnlyAFocusedPushButtonEscAndTheCloseBoxCloseAndARestartKeepsTheSettings)
{
    TempFolder work(L"restart");
    const CString songs = work.Path() + L"Songs \u0416";
    CreateDirectoryW(songs.c_str(), nullptr);
    const Answerer answerer([](const CString&, const CString&, UINT) { return IDOK; });
    for (const UINT close : {WM_COMMAND, WM_CLOSE}) {
        DialogRunner window(work.Path());
        window.Click(IDC_CLEAR_INFO);
        for (const int focus : {IDC_SOURCE_EDIT, IDC_UP}) {
            window.Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(window.Control(focus)), TRUE);
            window.Send(WM_COMMAND, IDOK);
        }
        const std::vector<CString> expected = {L"The 'Clear Info' button was pressed.", L"The 'Up' button was pressed."};
        EXPECT_EQ(window.InfoLines(), expected);
        window.SelectCommandLine(13);
        window.SetText(IDC_SOURCE_EDIT, songs);
        window.Click(IDC_TEST);  // a check without fault remembers the folder
        window.Click(IDC_LANGUAGE);
        const int left = close == WM_COMMAND ? 100 : 150;
        SetWindowPos(window.Window(), nullptr, left, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        window.Send(close, close == WM_COMMAND ? IDCANCEL : 0);  // Esc, or the close box
        ASSERT_TRUE(window.WaitClosed(2000)) << close;
        // The next start, in the same folder, is a restart with what this window saved when it closed.
        DialogRunner restart(work.Path());
        EXPECT_EQ(restart.Text(IDC_LANGUAGE), g_ButtonCaptionsGerman[8]);
        RECT rect = {};
        EXPECT_TRUE(GetWindowRect(restart.Window(), &rect) && rect.left == left && rect.top == 50) << rect.left;
        restart.SelectCommandLine(13);
        EXPECT_EQ(restart.Text(IDC_SOURCE_EDIT), songs + L"\\");
        restart.Click(IDC_LANGUAGE);  // back to English for the next round
    }
}

TEST(MainWindow, RunsShowTheirLinesBeforeEachBoxAndIgnoreRunButtonsPressedBehindIt)
{
    DialogRunner window;
    const HWND list = window.Control(IDC_INFO_LIST);
    std::vector<CString> boxes;
    std::vector<bool> inView;
    const Answerer answerer([&](const CString& text, const CString&, UINT) {
        boxes.push_back(text);
        inView.push_back(LastLineInView(list));
        // The boxes have no owner window: the user may press these behind them.
        window.Click(IDC_EXECUTE);
        window.Click(IDC_TEST);
        return IDOK;
    });
    window.Click(IDC_CLEAR_INFO);
    window.SelectCommandLine(1);
    for (int run = 0; run < 4; ++run) window.Click(IDC_TEST);  // no source folder: a fault and its box
    window.SetText(IDC_SOURCE_EDIT, window.WorkFolder());
    window.Click(IDC_TEST);
    const std::vector<CString> lines = window.InfoLines();
    ASSERT_EQ(lines.size(), 14u) << testing::PrintToString(lines);
    EXPECT_EQ(lines.back(), L"The Test button was pressed.");
    EXPECT_TRUE(LastLineInView(list));
    ASSERT_EQ(boxes.size(), 5u) << testing::PrintToString(boxes);
    EXPECT_EQ(boxes.back(), g_MessagesEnglish[msg::kNoErrorsFound]);
    EXPECT_EQ(inView, std::vector<bool>(5, true));
}

TEST(MainWindow, PathButtonsFillTheEditsAndHelpOpensTheManualThroughTheShellOpener)
{
    ClipboardLock lock;
    DialogRunner window;
    window.Click(IDC_CLEAR_INFO);
    // A click on no item of the shell browser keeps the current folder, the start one.
    NMITEMACTIVATE click = {};
    click.hdr = {window.Control(IDC_SHELL_LIST), IDC_SHELL_LIST, static_cast<UINT>(NM_CLICK)};
    click.iItem = -1;
    window.Send(WM_NOTIFY, IDC_SHELL_LIST, reinterpret_cast<LPARAM>(&click));
    window.Click(IDC_SELECT_TARGET);
    const CString folder = window.Text(IDC_TARGET_EDIT);
    EXPECT_TRUE(folder.starts_with(L"C:\\Users\\") && folder.ends_with(L"\\AppData\\")) << folder;
    window.Click(IDC_CLEAR_SOURCE_PATH);
    window.Click(IDC_SELECT_SOURCE);
    EXPECT_EQ(window.Text(IDC_SOURCE_EDIT), L"");

    // Insert takes the clipboard's text as it is but for one final line end.
    SetClipboardText(L"C:\\a\r\nb\u0416\r\n\r\n");
    window.Click(IDC_INSERT_SOURCE_PATH);
    EXPECT_EQ(window.Text(IDC_SOURCE_EDIT), L"C:\\a\r\nb\u0416\r\n");
    // Besides a line per button pressed: the click on no item and the path selected.
    const std::vector<CString> lines = window.InfoLines();
    ASSERT_EQ(lines.size(), 7u) << testing::PrintToString(lines);
    EXPECT_EQ(lines[1] + L"|" + lines[3],
              g_ScanMessagesEnglish[scan_msg::kClickSelectedNoFolder] + L"|Selected File or Path: " + folder);

    // Help: the manual of the language, opened through the shell opener; a failure is reported.
    CString opened;
    INT_PTR result = 42;
    SetShellOpener([&](const CString& file, const CString&) {
        opened = file;
        SetLastError(ERROR_FILE_NOT_FOUND);
        return result;
    });
    window.Click(IDC_HELP_BUTTON);
    EXPECT_EQ(opened, window.WorkFolder() + L"\\_Help\\Help.pdf");
    EXPECT_EQ(window.InfoLines().back(), L"The 'Manual D' (German) button was pressed.");
    window.Click(IDC_LANGUAGE);
    result = 2;
    window.Click(IDC_HELP_BUTTON);
    EXPECT_EQ(opened, window.WorkFolder() + L"\\_Help\\Hilfe.pdf");
    EXPECT_EQ(window.InfoLines().back(), g_MessagesGerman[msg::kCommandNotSuccessful] + L"2");
    SetShellOpener(nullptr);
}

// The one test that moves the cursor: there is one cursor for all the tests that run at once.
TEST(ColourButtons, ButtonUnderTheCursorIsRedAtOnceOrAtTheNextTickOfTheWindowsTimer)
{
    // A window that appears under the cursor hears of it, and its program may pass the place on to Wine
    // much later, moving the cursor back there for a moment. So the cursor waits where no window
    // appears: the windows of the other tests stand at the top left, ours goes to the bottom right.
    PlaceCursor(kParking);
    DialogRunner window;
    const auto rect = [&](int id) {  // 0 for the window itself
        RECT r = {};
        GetWindowRect(id ? window.Control(id) : window.Window(), &r);
        return r;
    };
    const auto face = [&](int key) { return ColourButton(window.Control(kColourButtonIds[key - 1])).FaceColour(); };
    const auto expectHighlight = [&](int key) {  // that button red (0: none), the others in their own colour
        for (int k = 1; k <= kColourButtonCount; ++k) EXPECT_EQ(face(k), k == key ? kHoverColour : kNormalColours[k - 1]) << k;
    };
    // The cursor comes from the dialog's background onto `p`: the dialog hears it leave.
    const auto enter = [&](POINT p) {
        PlaceCursor(p);
        window.WaitForTick();
        window.Send(WM_MOUSELEAVE);
    };
    // Moved far from where it started: the buttons are found where they are now.
    const RECT whole = rect(0);
    SetWindowPos(window.Window(), nullptr, GetSystemMetrics(SM_CXSCREEN) - whole.right + whole.left,
                 GetSystemMetrics(SM_CYSCREEN) - whole.bottom + whole.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    expectHighlight(0);
    // The bottom right corner belongs to the button.
    enter({rect(IDC_EXECUTE).right, rect(IDC_EXECUTE).bottom});
    expectHighlight(5);
    // Straight onto the neighbour (Test): the dialog itself hears nothing, its own timer moves the highlight.
    enter(Centre(rect(IDC_EXECUTE)));
    window.WaitForTick();
    PlaceCursor(Centre(rect(IDC_TEST)));
    window.Send(WM_TIMER, 2);
    expectHighlight(5);
    window.Send(WM_TIMER, 1);
    expectHighlight(10);
    // Out of the window across the button's edge.
    window.WaitForTick();
    PlaceCursor(kParking);
    window.Send(WM_TIMER, 1);
    expectHighlight(0);
}
