// The window's 500 ms timer: the hover highlight follows the cursor, and the Clear Info box is let go.
#include "dialog/tallowmere_dlg.h"

void CTallowmereDlg::OnTimer(UINT_PTR id)
{
    if (id != m_TimerId) return;
    ++m_TimerTicks;
    m_Hover.OnTimerTick();
    if (m_TimerTicks == m_ClearInfoReleaseTick) m_ClearInfoCheck.SetCheck(false);
}
