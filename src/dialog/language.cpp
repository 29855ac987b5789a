#include <windows.h>
#include <commctrl.h>

#include <iterator>

#include "dialog/colour_buttons.h"
#include "dialog/tallowmere_dlg.h"
#include "res/resource_ids.h"
#include "state/globals.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// The check boxes with a tooltip, in the order of their rows, which follow the colour buttons' rows.
constexpr int kToolTipCheckBoxIds[] = {IDC_STOP_ENTRIES, IDC_CLEAR_INFO, IDC_CASE_CHECK, IDC_WHOLE_WORD_CHECK,
                                       IDC_OPEN_EXPORT};

static_assert(std::size(kColourButtonIds) == kButtonCaptionRows, "one caption for each colour button");
static_assert(std::size(kColourButtonIds) + std::size(kToolTipCheckBoxIds) == kToolTipRows,
              "one tooltip for each colour button and each of these check boxes");

}  // namespace

void CTallowmereDlg::ApplyLanguage(bool keepComboSelection)
{
    CopyLanguageTables(g_Language);
    RecreateToolTips();
    for (size_t i = 0; i < std::size(m_Statics); ++i) m_Statics[i].SetText(g_StaticCaptions[i]);
    for (size_t i = 0; i < std::size(kColourButtonIds); ++i)
        SetDlgItemTextW(Handle(), kColourButtonIds[i], g_ButtonCaptions[i].c_str());
    m_StopEntriesCheck.SetText(g_ExtraCaptions[extra_caption::kStopEntries]);
    m_ClearInfoCheck.SetText(g_ExtraCaptions[extra_caption::kClearInfo]);
    m_OpenExportCheck.SetText(g_ExtraCaptions[extra_caption::kOpenExports]);

    const int line = keepComboSelection ? m_CommandCombo.CurSel() : 0;
    m_CommandCombo.ResetContent();
    for (int row = 0; row < kCommandListRows; ++row) m_CommandCombo.AddString(g_CommandList[row]);
    m_CommandCombo.SetCurSel(line);
    UpdateInputLabels();
}

void CTallowmereDlg::RecreateToolTips()
{
    for (HWND& tip : m_ToolTipWindows) {
        if (tip) DestroyWindow(tip);
        tip = nullptr;
    }
    size_t slot = 0;
    const auto add = [&](int controlId) {
        m_ToolTipWindows[slot] = CreateToolTip(controlId, g_ToolTips[slot]);
        ++slot;
    };
    for (const int id : kColourButtonIds) add(id);
    for (const int id : kToolTipCheckBoxIds) add(id);
}

HWND CTallowmereDlg::CreateToolTip(int controlId, const wchar_t* text)
{
    if (controlId == 0 || !text) return nullptr;
    const HWND control = GetDlgItem(Handle(), controlId);
    if (!control) return nullptr;
    const HWND tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_BALLOON | TTS_ALWAYSTIP,
                                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                         Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!tooltip) return nullptr;
    TOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Handle();
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    return tooltip;
}

void CTallowmereDlg::OnBnClickedLanguage()
{
    AddInfoLine(ButtonPressedLine(button_event::kLanguageName));
    CString name;
    if (g_Language == L"English") {
        g_Language = L"German";
        name = L"Deutsch";
    } else {
        g_Language = L"English";
        name = L"English";
    }
    ApplyLanguage(true);
    AddInfoLine(g_Messages[msg::kActiveLanguage] + name);
}
