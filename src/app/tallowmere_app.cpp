#include "app/tallowmere_app.h"

#include <commctrl.h>

#include "dialog/tallowmere_dlg.h"
#include "framework/com.h"

CTallowmereApp theApp;

BOOL CTallowmereApp::InitInstance()
{
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // Restart after a crash or an update, with no saving or recovery of data.
    RegisterApplicationRestart(nullptr, 0);
    // The shell browser and the shortcut helpers use COM on this thread.
    ComApartment com;
    CTallowmereDlg dialog;
    dialog.DoModal();
    return FALSE;
}
