#include "dialog_runner.h"

#include <shellapi.h>

#include "state/globals.h"
#include "dialog/tallowmere_dlg.h"
#include "framework/com.h"
#include "framework/controls.h"
#include "framework/main_window.h"

namespace {

CString NewTemporaryFolder()
{
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    CString folder = CString(temp) + L"tallowmere-window-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void RemoveFolder(const CString& folder)
{
    CString from = folder + L'\0';  // the shell wants a double-terminated list
    SHFILEOPSTRUCTW operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NO_UI;
    SHFileOperationW(&operation);
}

}  // namespace

DialogRunner::DialogRunner() : folder_(NewTemporaryFolder())
{
    SetCurrentDirectoryW(folder_.c_str());
    // Each window of a test starts as the program's first one does.
    g_FirstPaintDone = 0;
    g_MainWindow = nullptr;
    thread_ = std::thread([] {
        ComApartment com;
        CTallowmereDlg dialog;
        dialog.DoModal();
    });
    for (int i = 0; i < 1000 && !g_FirstPaintDone; ++i) Sleep(10);
    window_ = g_MainWindow;
}

DialogRunner::~DialogRunner()
{
    if (thread_.joinable()) {
        if (IsWindow(window_)) PostMessageW(window_, WM_CLOSE, 0, 0);
        thread_.join();
    }
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
    RemoveFolder(folder_);
}

bool DialogRunner::WaitClosed(DWORD milliseconds)
{
    for (DWORD waited = 0; IsWindow(window_) && waited < milliseconds; waited += 10) Sleep(10);
    if (IsWindow(window_)) return false;
    thread_.join();
    return true;
}

void DialogRunner::Click(int id) const
{
    SendMessageW(Control(id), BM_CLICK, 0, 0);
}

void DialogRunner::SelectCommandLine(int line) const
{
    SendMessageW(Control(1028), CB_SETCURSEL, static_cast<WPARAM>(line), 0);
    SendMessageW(window_, WM_COMMAND, MAKEWPARAM(1028, CBN_SELCHANGE), reinterpret_cast<LPARAM>(Control(1028)));
}

CString DialogRunner::Text(int id) const
{
    return ::Control(id == 0 ? window_ : Control(id)).Text();
}

int DialogRunner::InfoLineCount() const
{
    ListBox list;
    list.Attach(window_, 1009);
    return list.Count();
}

CString DialogRunner::InfoLine(int index) const
{
    ListBox list;
    list.Attach(window_, 1009);
    return list.ItemText(index);
}

CString DialogRunner::ComboLine(int index) const
{
    ComboBox combo;
    combo.Attach(window_, 1028);
    return combo.ItemText(index);
}

bool DialogRunner::IsChecked(int id) const
{
    CheckBox box;
    box.Attach(window_, id);
    return box.IsChecked();
}
