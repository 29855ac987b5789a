// The window as the command engine sees it, and the design's members that lead into the engine.
#include "commands/command_reports.h"
#include "commands/executor.h"
#include "dialog/tallowmere_dlg.h"
#include "framework/main_window.h"
#include "state/globals.h"
#include "state/settings_file.h"

Edit& CTallowmereDlg::InputEditControl(InputEdit edit)
{
    switch (edit) {
    case InputEdit::Source: return m_SourceEdit;
    case InputEdit::Target: return m_TargetEdit;
    case InputEdit::Search: return m_SearchEdit;
    case InputEdit::Replace: break;
    }
    return m_ReplaceEdit;
}

CString CTallowmereDlg::EditText(InputEdit edit)
{
    return InputEditControl(edit).Text();
}

void CTallowmereDlg::SetEditText(InputEdit edit, const CString& text)
{
    InputEditControl(edit).SetText(text);
}

bool CTallowmereDlg::IsOptionChecked(OptionBox box)
{
    return (box == OptionBox::Case ? m_CaseCheck : m_WholeWordCheck).IsChecked();
}

CString CTallowmereDlg::InfoLineText(int index)
{
    return GetListBoxItemText(m_InfoList, index);
}

void CTallowmereDlg::ExecuteCommand(BOOL testOnly)
{
    ::ExecuteCommand(*this, testOnly != FALSE);
}

CommandInputs CTallowmereDlg::ValidateCommandInputs(int index, BOOL testOnly)
{
    return ::ValidateCommandInputs(*this, index, testOnly != FALSE);
}

SearchConfig CTallowmereDlg::GetSearchConfig(const CString& searchText)
{
    return ::GetSearchConfig(*this, searchText);
}

void CTallowmereDlg::ReportWindowsError(int32_t code)
{
    ::ReportWindowsError(*this, code);
}

void CTallowmereDlg::ReadSettingsFile(const CString& path)
{
    ::ReadSettingsFile(path, [this](const CString& line) { AddInfoLine(line); });
}

void CTallowmereDlg::WriteSettingsFile(const CString& path)
{
    GetWindowRect(g_MainWindow, &g_MainWindowRect);
    // The restored position, so that a window closed minimised or maximised comes back where it was.
    ::WriteSettingsFile(path, NormalWindowRect(Handle()));
}
