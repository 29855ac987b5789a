#include "dialog/colour_buttons.h"

#include "dialog/tallowmere_dlg.h"
#include "framework/main_window.h"
#include "state/globals.h"

std::unordered_map<int, HoverButtonInfo> g_HoverButtons(8);

namespace {

bool Contains(int32_t left, int32_t right, int32_t top, int32_t bottom, POINT point)
{
    return left <= point.x && point.x <= right && top <= point.y && point.y <= bottom;
}

bool Contains(const HoverButtonInfo& info, POINT point)
{
    return Contains(info.left, info.right, info.top, info.bottom, point);
}

// The entry of a key; null while the first paint has not filled the table.
HoverButtonInfo* FindHoverButton(int key)
{
    const auto found = g_HoverButtons.find(key);
    return found == g_HoverButtons.end() ? nullptr : &found->second;
}

void ShowNormal(int key)
{
    if (HoverButtonInfo* info = FindHoverButton(key)) info->button->SetFaceColor(info->normalColour, true);
}

void ShowHover(const HoverButtonInfo& info)
{
    info.button->SetFaceColor(info.hoverColour, true);
}

}  // namespace

void CTallowmereDlg::InitColorButtons()
{
    static ColourButton CTallowmereDlg::* const buttons[13] = {
        &CTallowmereDlg::m_SelectSourceButton, &CTallowmereDlg::m_UpButton,
        &CTallowmereDlg::m_RefreshButton,      &CTallowmereDlg::m_InsertSourcePathButton,
        &CTallowmereDlg::m_ExecuteButton,      &CTallowmereDlg::m_SelectTargetButton,
        &CTallowmereDlg::m_HelpButton,         &CTallowmereDlg::m_InsertTargetPathButton,
        &CTallowmereDlg::m_LanguageButton,     &CTallowmereDlg::m_TestButton,
        &CTallowmereDlg::m_InfoButton,         &CTallowmereDlg::m_ClearSourcePathButton,
        &CTallowmereDlg::m_ClearTargetPathButton,
    };
    for (int key = 1; key <= 13; ++key) {
        HoverButtonInfo& info = g_HoverButtons[key];
        info.id = kColourButtonIds[key - 1];
        info.button = &(this->*buttons[key - 1]);
        info.normalColour = kNormalColours[key - 1];
        info.hoverColour = kHoverColour;
    }
    for (int key = 1; key <= 13; ++key) ShowNormal(key);
    UpdateButtonRects();
}

void UpdateButtonRects()
{
    for (int key = 1; key <= 13; ++key) {
        HoverButtonInfo* info = FindHoverButton(key);
        if (!info) continue;
        info->hwnd = GetDlgItem(g_MainWindow, info->id);
        RECT rect = {};
        GetWindowRect(info->hwnd, &rect);
        info->left = rect.left;
        info->right = rect.right;
        info->top = rect.top;
        info->bottom = rect.bottom;
    }
}

void CTallowmereDlg::OnMouseMove()
{
    if (g_HoverIndex > 0) {
        ShowNormal(g_HoverIndex);
        g_HoverIndex = 0;
    }
    // One WM_MOUSELEAVE when the cursor leaves the dialog's own area, onto a control as well.
    TrackMouseEvent(&g_TrackMouseEvent);
}

void CTallowmereDlg::OnMouseLeave()
{
    POINT cursor;
    GetCursorPos(&cursor);
    const RECT& window = g_MainWindowRect;
    if (!Contains(window.left, window.right, window.top, window.bottom, cursor)) return;
    for (int key = 1; key <= 13; ++key) {
        const HoverButtonInfo* info = FindHoverButton(key);
        if (info && Contains(*info, cursor)) {
            ShowHover(*info);
            g_HoverIndex = key;
            return;
        }
    }
}

void UpdateButtonHover()
{
    POINT cursor;
    GetCursorPos(&cursor);
    bool found = false;
    for (int key = 1; key <= 13; ++key) {
        const HoverButtonInfo* info = FindHoverButton(key);
        if (!info || !Contains(*info, cursor)) continue;
        found = true;
        if (key != g_HoverIndex) {
            ShowNormal(g_HoverIndex);
            ShowHover(*info);
            g_HoverIndex = key;
        }
    }
    if (!found) {
        ShowNormal(g_HoverIndex);
        g_HoverIndex = 0;
    }
}

void CTallowmereDlg::OnTimer(UINT_PTR id)
{
    if (id != g_TimerId) return;
    ++g_TimerTicks;
    if (g_HoverIndex > 0) UpdateButtonHover();
    if (g_TimerTicks == g_ClearInfoReleaseTick) m_ClearInfoCheck.SetCheck(false);
}

bool CTallowmereDlg::OnDrawItem(int /*id*/, const DRAWITEMSTRUCT* item)
{
    // The colour buttons are the window's only owner-drawn controls.
    if (item->CtlType != ODT_BUTTON) return false;
    DrawColourButton(*item);
    return true;
}

COLORREF HoverButtonFaceColor(int key)
{
    const HoverButtonInfo* info = FindHoverButton(key);
    return info ? ColourButton(info->hwnd).FaceColor() : CLR_INVALID;
}
