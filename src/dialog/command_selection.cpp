#include <algorithm>
#include <iterator>

#include "dialog/tallowmere_dlg.h"
#include "helpers/strings.h"
#include "texts/command_flags.h"
#include "texts/text_tables.h"

int CTallowmereDlg::GetSelectedCommandIndex()
{
    const CString text = GetComboSelectedText(m_CommandCombo);
    for (int row = 0; row < kCommandListRows; ++row)
        if (text == g_CommandList[row]) return row;
    return -1;
}

void CTallowmereDlg::UpdateInputLabels()
{
    const int row = GetSelectedCommandIndex();
    CString captions[4];
    // No line selected: the four captions stay empty.
    if (row >= 0) SplitToArray(captions, 4, true, L"#", g_CommandLabels[row]);
    m_Statics[1].SetText(captions[0]);
    m_Statics[2].SetText(captions[1]);
    m_Statics[4].SetText(captions[2]);
    m_Statics[6].SetText(captions[3]);
}

void CTallowmereDlg::OnCbnSelchangeCommand()
{
    UpdateInputLabels();
    const int row = GetSelectedCommandIndex();
    const bool searchOptions =
        std::find(std::begin(g_SearchOptionCommands), std::end(g_SearchOptionCommands), row) !=
        std::end(g_SearchOptionCommands);
    if (!searchOptions) {
        m_CaseCheck.SetCheck(true);
        m_WholeWordCheck.SetCheck(false);
    } else if (row == 46 || row == 47) {
        m_CaseCheck.SetCheck(false);
    }
}
