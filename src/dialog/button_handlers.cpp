#include <windows.h>

#include "commands/command_reports.h"
#include "commands/executor.h"
#include "dialog/tallowmere_dlg.h"
#include "framework/message_boxes.h"
#include "framework/shell_opener.h"
#include "helpers/clipboard.h"
#include "helpers/strings.h"
#include "state/globals.h"
#include "texts/command_flags.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// Only the line breaks at the very end go: the trailing line feeds, then the trailing carriage returns.
CString WithoutTrailingLineBreaks(CString text)
{
    while (!text.empty() && text.back() == L'\n') text.pop_back();
    while (!text.empty() && text.back() == L'\r') text.pop_back();
    return text;
}

}  // namespace

CString CTallowmereDlg::ButtonPressedLine(int nameRow) const
{
    return g_ButtonEventTexts[button_event::kButtonArticle] + g_ButtonEventTexts[nameRow] +
           g_ButtonEventTexts[button_event::kButtonWasPressed];
}

// The target-side path buttons name themselves by their current caption.
CString CTallowmereDlg::QuotedButtonPressedLine(int captionRow) const
{
    return g_ButtonEventTexts[button_event::kButtonArticle] + L"'" + g_ButtonCaptions[captionRow] + L"'" +
           g_ButtonEventTexts[button_event::kButtonWasPressed];
}

void CTallowmereDlg::SelectIntoEdit(const CString& eventLine, Edit& edit)
{
    AddInfoLine(eventLine);
    if (m_CurrentFolder.empty()) return;
    AddInfoLine(g_Messages[msg::kSelectedFileOrPath] + m_CurrentFolder);
    edit.SetText(m_CurrentFolder);
}

void CTallowmereDlg::InsertClipboardInto(const CString& eventLine, Edit& edit)
{
    AddInfoLine(eventLine);
    edit.SetText(WithoutTrailingLineBreaks(GetClipboardText()));
}

void CTallowmereDlg::ClearPath(const CString& eventLine, Edit& edit)
{
    AddInfoLine(eventLine);
    edit.SetText(L"");
    m_CurrentFolder.clear();
}

void CTallowmereDlg::OnBnClickedSelectSource()
{
    SelectIntoEdit(ButtonPressedLine(button_event::kSelectName), m_SourceEdit);
}

void CTallowmereDlg::OnBnClickedSelectTarget()
{
    SelectIntoEdit(QuotedButtonPressedLine(button_caption::kSelectTargetPath), m_TargetEdit);
}

void CTallowmereDlg::OnBnClickedInsertSourcePath()
{
    InsertClipboardInto(ButtonPressedLine(button_event::kInsertName), m_SourceEdit);
}

void CTallowmereDlg::OnBnClickedInsertTargetPath()
{
    InsertClipboardInto(QuotedButtonPressedLine(button_caption::kInsertTargetPath), m_TargetEdit);
}

void CTallowmereDlg::OnBnClickedClearSourcePath()
{
    ClearPath(ButtonPressedLine(button_event::kClearPathName), m_SourceEdit);
}

void CTallowmereDlg::OnBnClickedClearTargetPath()
{
    ClearPath(QuotedButtonPressedLine(button_caption::kClearTargetPath), m_TargetEdit);
}

void CTallowmereDlg::OnBnClickedUp()
{
    AddInfoLine(ButtonPressedLine(button_event::kUpName));
    m_ShellList.DisplayParentFolder();
}

void CTallowmereDlg::OnBnClickedRefresh()
{
    AddInfoLine(ButtonPressedLine(button_event::kRefreshName));
    m_ShellList.Refresh();
}

void CTallowmereDlg::OnBnClickedExecute() { RunCommand(false); }
void CTallowmereDlg::OnBnClickedTest() { RunCommand(true); }

void CTallowmereDlg::RunCommand(bool testOnly)
{
    // Ignored while a command waits behind one of its questions: that run is still going on.
    if (IsCommandRunning()) return;
    const InfoListRun run(m_InfoList);
    if (testOnly) AddInfoLine(g_ButtonEventTexts[button_event::kTestPressed]);
    ExecuteCommand(*this, testOnly);
}

void CTallowmereDlg::OnBnClickedInfo()
{
    AddInfoLine(ButtonPressedLine(button_event::kInfoName));
    // Only OK: nothing to answer.
    (void)ShowMessageBox(g_ButtonEventTexts[button_event::kSelectFolderHint], g_MessageBoxCaption,
                         MB_OK | MB_ICONEXCLAMATION);
}

void CTallowmereDlg::OnBnClickedHelp()
{
    AddInfoLine(ButtonPressedLine(button_event::kManualGermanName));
    const CString& manual = g_Language == L"English" ? g_HelpFileEnglish : g_HelpFileGerman;
    if (OpenWithShell(manual) <= 32) ReportFailure(*this, GetLastError());
}

void CTallowmereDlg::OnBnClickedClearInfo()
{
    // Every click empties the list, whether it checked or unchecked the box.
    m_InfoList.ResetContent();
    AddInfoLine(ButtonPressedLine(button_event::kClearInfoName));
    m_ClearInfoReleaseTick = m_TimerTicks + 3;
}

void CTallowmereDlg::OnBnClickedStopEntries()
{
    const CString prefix =
        g_ButtonEventTexts[button_event::kCheckboxArticle] + g_ButtonEventTexts[button_event::kStopEntriesName];
    // Both lines always reach the list; only what lies between them is held back.
    const bool checked = m_StopEntriesCheck.IsChecked();
    g_StopEntries = 0;
    AddInfoLine(prefix +
                g_ButtonEventTexts[checked ? button_event::kCheckboxChecked : button_event::kCheckboxUnchecked]);
    g_StopEntries = checked ? 1 : 0;
}

void CTallowmereDlg::OnBnClickedCaseCheckbox()
{
    if (IsSearchOptionCommand(GetSelectedCommandIndex())) return;
    AddInfoLine(g_Messages[msg::kCaseCheckboxNotApplicable]);
    m_CaseCheck.SetCheck(true);
}

void CTallowmereDlg::OnBnClickedWholeWordCheckbox()
{
    if (IsSearchOptionCommand(GetSelectedCommandIndex())) return;
    AddInfoLine(g_Messages[msg::kWholeWordsCheckboxNotApplicable]);
    m_WholeWordCheck.SetCheck(false);
}

void CTallowmereDlg::OnBnClickedOpenExport()
{
    g_OpenExport = m_OpenExportCheck.IsChecked() ? 1 : 0;
}
