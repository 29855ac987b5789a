#include "dialog_runner.h"

#include "state/globals.h"
#include "dialog/tallowmere_dlg.h"
#include "framework/com.h"
#include "framework/controls.h"
#include "framework/main_window.h"

DialogRunner::DialogRunner() : DialogRunner(CString())
{
}

DialogRunner::DialogRunner(const CString& workFolder)
    : ownFolder_(workFolder.empty() ? std::make_unique<TempFolder>(L"window") : nullptr),
      folder_((ownFolder_ ? ownFolder_->Path() : workFolder))
{
    if (folder_.back() == L'\\') folder_.pop_back();
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
    // The folder can only be removed once it is no longer the current one.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    SetCurrentDirectoryW(temp);
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

void DialogRunner::SetText(int id, const CString& text) const
{
    SetWindowTextW(Control(id), text.c_str());
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
