#include "dialog/tallowmere_dlg.h"

#include <lmcons.h>

#include <iterator>

#include "dialog/worker_thread.h"
#include "framework/main_window.h"
#include "framework/message_boxes.h"
#include "framework/thread.h"
#include "helpers/file_operations.h"
#include "res/resource_ids.h"
#include "state/globals.h"
#include "state/settings_file.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

CTallowmereDlg::CTallowmereDlg()
    : m_hIcon(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME)))
{
}

CTallowmereDlg::~CTallowmereDlg()
{
    SetMessageBoxWatcher(nullptr);
}

INT_PTR CTallowmereDlg::DoModal()
{
    return RunModal(GetModuleHandleW(nullptr), IDD_TALLOWMERE_DIALOG);
}

void CTallowmereDlg::AttachControls()
{
    const HWND dialog = Handle();
    m_ShellList.Attach(dialog, IDC_SHELL_LIST);
    m_SourceEdit.Attach(dialog, IDC_SOURCE_EDIT);
    m_SearchEdit.Attach(dialog, IDC_SEARCH_EDIT);
    m_TargetEdit.Attach(dialog, IDC_TARGET_EDIT);
    m_ReplaceEdit.Attach(dialog, IDC_REPLACE_EDIT);
    m_InfoList.Attach(dialog, IDC_INFO_LIST);
    m_CommandCombo.Attach(dialog, IDC_COMMAND_COMBO);
    m_SelectSourceButton.Attach(dialog, IDC_SELECT_SOURCE);
    m_UpButton.Attach(dialog, IDC_UP);
    m_RefreshButton.Attach(dialog, IDC_REFRESH);
    m_InsertSourcePathButton.Attach(dialog, IDC_INSERT_SOURCE_PATH);
    m_ExecuteButton.Attach(dialog, IDC_EXECUTE);
    m_HelpButton.Attach(dialog, IDC_HELP_BUTTON);
    m_LanguageButton.Attach(dialog, IDC_LANGUAGE);
    m_TestButton.Attach(dialog, IDC_TEST);
    m_InfoButton.Attach(dialog, IDC_INFO);
    m_ClearSourcePathButton.Attach(dialog, IDC_CLEAR_SOURCE_PATH);
    m_ClearTargetPathButton.Attach(dialog, IDC_CLEAR_TARGET_PATH);
    m_InsertTargetPathButton.Attach(dialog, IDC_INSERT_TARGET_PATH);
    m_SelectTargetButton.Attach(dialog, IDC_SELECT_TARGET);
    // In the order of their caption rows.
    const int staticIds[] = {IDC_STATIC_SELECT_DIR, IDC_STATIC_SOURCE, IDC_STATIC_TARGET,
                             IDC_STATIC_COMMAND,    IDC_STATIC_SEARCH, IDC_STATIC_INFO,
                             IDC_STATIC_REPLACE,    IDC_STATIC_CASE,   IDC_STATIC_WHOLE_WORD};
    static_assert(std::size(staticIds) == kStaticCaptionRows, "one static for each caption row");
    for (size_t i = 0; i < std::size(staticIds); ++i) m_Statics[i].Attach(dialog, staticIds[i]);
    m_StopEntriesCheck.Attach(dialog, IDC_STOP_ENTRIES);
    m_OpenExportCheck.Attach(dialog, IDC_OPEN_EXPORT);
    m_ClearInfoCheck.Attach(dialog, IDC_CLEAR_INFO);
    m_CaseCheck.Attach(dialog, IDC_CASE_CHECK);
    m_WholeWordCheck.Attach(dialog, IDC_WHOLE_WORD_CHECK);
}

namespace {

CString UserName()
{
    wchar_t buffer[UNLEN + 1] = {};
    DWORD size = UNLEN + 1;
    return GetUserNameW(buffer, &size) ? CString(buffer) : CString();
}

CString CurrentDirectory()
{
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    CString directory(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, directory.data());
    directory.resize(length < needed ? length : 0);
    return directory;
}

}  // namespace

bool CTallowmereDlg::OnInitDialog()
{
    AttachControls();
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_TimerId = SetTimer(Handle(), 1, 500, nullptr);
    m_InfoList.SetHorizontalExtent(5000);
    SetMessageBoxWatcher([this](bool showing) { m_InfoList.OnMessageBox(showing); });
    m_CurrentFolder = L"C:\\Users\\" + UserName() + L"\\AppData\\";

    g_BaseDir = CurrentDirectory();
    g_ExportsDir = g_BaseDir + L"\\_Exports\\";
    g_HelpDir = g_BaseDir + L"\\_Help\\";
    g_HelpFileEnglish = g_BaseDir + L"\\_Help\\Help.pdf";
    g_HelpFileGerman = g_BaseDir + L"\\_Help\\Hilfe.pdf";
    g_SettingsDir = g_BaseDir + L"\\_Settings\\";
    g_SettingsFile = g_BaseDir + L"\\_Settings\\Settings.txt";
    // A folder that cannot be made shows up later, where it is used.
    (void)EnsureFolder(g_ExportsDir);
    (void)EnsureFolder(g_HelpDir);
    (void)EnsureFolder(g_SettingsDir);
    ReadSettingsFile(g_SettingsFile, [this](const CString& line) { AddInfoLine(line); });

    SetWindowTextW(Handle(), g_Title.c_str());
    g_StopEvent.Reset();
    StartDetachedThread(WorkerThreadProc, nullptr);
    m_ShellClicksEnabled = true;
    return true;
}

void CTallowmereDlg::OnPaint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(Handle(), &paint);
    if (IsIconic(Handle())) {
        SendMessageW(Handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        RECT client;
        GetClientRect(Handle(), &client);
        const int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
        DrawIcon(dc, x, y, m_hIcon);
    }
    EndPaint(Handle(), &paint);
    if (!m_FirstPaintDone) FirstPaint();
}

void CTallowmereDlg::FirstPaint()
{
    RECT window;
    GetWindowRect(Handle(), &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    // A position saved on a monitor that is gone would put the window out of sight.
    RECT wanted = {g_StartPosX, g_StartPosY, g_StartPosX + width, g_StartPosY + height};
    if (!MonitorFromRect(&wanted, MONITOR_DEFAULTTONULL)) wanted.left = wanted.top = 0;
    SetWindowPos(Handle(), nullptr, wanted.left, wanted.top, width, height, SWP_NOZORDER);
    InitColourButtons();
    ApplyLanguage(false);
    m_CaseCheck.SetCheck(true);
    m_FirstPaintDone = true;
    m_CommandCombo.SetCurSel(1);
    OnCbnSelchangeCommand();
    // Last, so that whoever waits for the main window finds it set up.
    g_MainWindow = Handle();
}

void CTallowmereDlg::OnClose()
{
    // The window closes whatever happens while the settings are written.
    try {
        // The restored position, so that a window closed minimised or maximised comes back where it was.
        WriteSettingsFile(g_SettingsFile, NormalWindowRect(Handle()));
    } catch (...) {
    }
    g_StopEvent.Set();
    End(IDCANCEL);
}

void CTallowmereDlg::OnMove()
{
    m_Hover.UpdateRects();
}

void CTallowmereDlg::AddInfoLine(const CString& text)
{
    m_InfoList.AddLine(text);
}

CString GetComboSelectedText(const ComboBox& combo)
{
    const int selected = combo.CurSel();
    return selected < 0 ? CString() : combo.ItemText(selected);
}

CString GetListBoxItemText(const ListBox& list, int index)
{
    return index < 0 ? CString() : list.ItemText(index);
}

bool CTallowmereDlg::OnCommand(int id, int notifyCode)
{
    struct Route { int notifyCode; int id; void (CTallowmereDlg::*handler)(); };
    static const Route routes[] = {
        {BN_CLICKED, IDC_SELECT_SOURCE, &CTallowmereDlg::OnBnClickedSelectSource},
        {BN_CLICKED, IDC_UP, &CTallowmereDlg::OnBnClickedUp},
        {BN_CLICKED, IDC_REFRESH, &CTallowmereDlg::OnBnClickedRefresh},
        {BN_CLICKED, IDC_INSERT_SOURCE_PATH, &CTallowmereDlg::OnBnClickedInsertSourcePath},
        {BN_CLICKED, IDC_EXECUTE, &CTallowmereDlg::OnBnClickedExecute},
        {BN_CLICKED, IDC_HELP_BUTTON, &CTallowmereDlg::OnBnClickedHelp},
        {BN_CLICKED, IDC_LANGUAGE, &CTallowmereDlg::OnBnClickedLanguage},
        {BN_CLICKED, IDC_INFO, &CTallowmereDlg::OnBnClickedInfo},
        {BN_CLICKED, IDC_CLEAR_SOURCE_PATH, &CTallowmereDlg::OnBnClickedClearSourcePath},
        {BN_CLICKED, IDC_STOP_ENTRIES, &CTallowmereDlg::OnBnClickedStopEntries},
        {BN_CLICKED, IDC_CLEAR_INFO, &CTallowmereDlg::OnBnClickedClearInfo},
        {BN_CLICKED, IDC_TEST, &CTallowmereDlg::OnBnClickedTest},
        {CBN_SELCHANGE, IDC_COMMAND_COMBO, &CTallowmereDlg::OnCbnSelchangeCommand},
        {BN_CLICKED, IDC_CLEAR_TARGET_PATH, &CTallowmereDlg::OnBnClickedClearTargetPath},
        {BN_CLICKED, IDC_INSERT_TARGET_PATH, &CTallowmereDlg::OnBnClickedInsertTargetPath},
        {BN_CLICKED, IDC_SELECT_TARGET, &CTallowmereDlg::OnBnClickedSelectTarget},
        {BN_CLICKED, IDC_CASE_CHECK, &CTallowmereDlg::OnBnClickedCaseCheckbox},
        {BN_CLICKED, IDC_WHOLE_WORD_CHECK, &CTallowmereDlg::OnBnClickedWholeWordCheckbox},
        {BN_CLICKED, IDC_OPEN_EXPORT, &CTallowmereDlg::OnBnClickedOpenExport},
        // Esc closes the window like the close box; Enter closes nothing.
        {BN_CLICKED, IDCANCEL, &CTallowmereDlg::OnClose},
    };
    for (const Route& route : routes) {
        if (route.id == id && route.notifyCode == notifyCode) {
            (this->*route.handler)();
            return true;
        }
    }
    if (id != IDOK) return false;
    // Enter presses the focused push button (ours are drawn by us, so the dialog manager does not
    // know them as push buttons) and opens the item selected in the shell browser, as a double-click
    // does; anywhere else it does nothing.
    const HWND focus = GetFocus();
    if (focus && focus == m_ShellList.Handle()) m_ShellList.OpenSelectedItem();
    for (int buttonId : kColourButtonIds)
        if (focus && GetDlgItem(Handle(), buttonId) == focus) SendMessageW(focus, BM_CLICK, 0, 0);
    return true;
}

bool CTallowmereDlg::OnNotify(int id, NMHDR* header, LRESULT* result)
{
    if (id != IDC_SHELL_LIST) return false;
    if (header->code == NM_CLICK) {
        OnNMClickShellList(header, result);
        return true;
    }
    return m_ShellList.HandleNotify(header, result);
}

bool CTallowmereDlg::OnMessage(UINT msg, WPARAM w, LPARAM l, LRESULT* result)
{
    switch (msg) {
    case WM_PAINT: OnPaint(); return true;
    // The icon shown while the minimised window is dragged.
    case WM_QUERYDRAGICON: *result = reinterpret_cast<LRESULT>(m_hIcon); return true;
    case WM_CLOSE: OnClose(); return true;
    case WM_MOVE: OnMove(); return false;
    case WM_TIMER: OnTimer(static_cast<UINT_PTR>(w)); return false;
    case WM_MOUSEMOVE: m_Hover.OnMouseMove(); return false;
    case WM_MOUSELEAVE: m_Hover.OnMouseLeave(); return false;
    case WM_DRAWITEM:
        if (!OnDrawItem(static_cast<int>(w), reinterpret_cast<const DRAWITEMSTRUCT*>(l))) return false;
        *result = TRUE;
        return true;
    default: return false;
    }
}

bool CTallowmereDlg::OnDrawItem(int /*id*/, const DRAWITEMSTRUCT* item)
{
    // The colour buttons are the window's only owner-drawn controls.
    if (item->CtlType != ODT_BUTTON) return false;
    DrawColourButton(*item);
    return true;
}

void CTallowmereDlg::OnNMClickShellList(NMHDR* header, LRESULT* result)
{
    if (!m_ShellClicksEnabled) return;
    const CString path = m_ShellList.GetItemPath(reinterpret_cast<NMITEMACTIVATE*>(header)->iItem);
    if (!path.empty()) m_CurrentFolder = path;
    else AddInfoLine(g_ScanMessages[scan_msg::kClickSelectedNoFolder]);
    *result = 0;
}
