#include "dialog/tallowmere_dlg.h"
#include "helpers/strings.h"
#include "state/globals.h"
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

namespace {

// The remembered path that a pool number of the flag word names; null for none.
const CString* PoolOf(unsigned number)
{
    switch (number) {
    case 1: return &g_Mp3Pool;
    case 2: return &g_DuplicatePool;
    case 3: return &g_UnusedPool;
    default: return nullptr;
    }
}

}  // namespace

void CTallowmereDlg::OnCbnSelchangeCommand()
{
    UpdateInputLabels();
    const int row = GetSelectedCommandIndex();
    if (!IsSearchOptionCommand(row)) {
        m_CaseCheck.SetCheck(true);
        m_WholeWordCheck.SetCheck(false);
    } else if (row == CommandLine(34) || row == CommandLine(35)) {
        // The searches over playlist folders start without regard to case.
        m_CaseCheck.SetCheck(false);
    }
    if (row < 0) return;
    const unsigned flags = g_CommandFlags[row];
    if (const CString* pool = PoolOf((flags >> 8) & 0xF)) m_SourceEdit.SetText(*pool);
    if (const CString* pool = PoolOf((flags >> 12) & 0xF)) m_TargetEdit.SetText(*pool);
}
