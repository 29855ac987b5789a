// The window as the command engine sees it.
#include "dialog/tallowmere_dlg.h"

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
