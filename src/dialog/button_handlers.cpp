#include "state/globals.h"
#include "dialog/tallowmere_dlg.h"
#include "texts/text_tables.h"

// "The " + name + " button was pressed."
CString CTallowmereDlg::ButtonPressedLine(int nameRow) const
{
    return g_ButtonEventTexts[13] + g_ButtonEventTexts[nameRow] + g_ButtonEventTexts[0];
}

void CTallowmereDlg::OnBnClickedStopEntries()
{
    const CString prefix = g_ButtonEventTexts[22] + g_ButtonEventTexts[18];
    // Both lines always reach the list; only what lies between them is held back.
    if (m_StopEntriesCheck.IsChecked()) {
        g_StopEntries = 0;
        AddInfoLine(prefix + g_ButtonEventTexts[20]);
        g_StopEntries = 1;
    } else {
        g_StopEntries = 0;
        AddInfoLine(prefix + g_ButtonEventTexts[21]);
    }
}
