#include "dialog/colour_buttons.h"

#include "dialog/tallowmere_dlg.h"

namespace {

bool Contains(int32_t left, int32_t right, int32_t top, int32_t bottom, POINT point)
{
    return left <= point.x && point.x <= right && top <= point.y && point.y <= bottom;
}

bool Contains(const HoverButtonInfo& info, POINT point)
{
    return Contains(info.left, info.right, info.top, info.bottom, point);
}

}  // namespace

void HoverHighlight::Init(HWND dialog, ColourButton* const (&buttons)[kColourButtonCount])
{
    dialog_ = dialog;
    tracking_.hwndTrack = dialog;
    for (int key = 1; key <= kColourButtonCount; ++key) {
        HoverButtonInfo& info = buttons_[key];
        info.id = kColourButtonIds[key - 1];
        info.button = buttons[key - 1];
        info.normalColour = kNormalColours[key - 1];
        info.hoverColour = kHoverColour;
    }
    for (int key = 1; key <= kColourButtonCount; ++key) ShowNormal(key);
    UpdateRects();
}

void HoverHighlight::UpdateRects()
{
    if (!dialog_) return;
    GetWindowRect(dialog_, &windowRect_);
    for (auto& [key, info] : buttons_) {
        info.hwnd = GetDlgItem(dialog_, info.id);
        RECT rect = {};
        GetWindowRect(info.hwnd, &rect);
        info.left = rect.left;
        info.right = rect.right;
        info.top = rect.top;
        info.bottom = rect.bottom;
    }
}

// The entry of a key; null for 0 and while Init has not filled the table.
HoverButtonInfo* HoverHighlight::Find(int key)
{
    const auto found = buttons_.find(key);
    return found == buttons_.end() ? nullptr : &found->second;
}

void HoverHighlight::ShowNormal(int key)
{
    if (HoverButtonInfo* info = Find(key)) info->button->SetFaceColour(info->normalColour, true);
}

void HoverHighlight::ShowHover(int key)
{
    if (HoverButtonInfo* info = Find(key)) info->button->SetFaceColour(info->hoverColour, true);
    index_ = key;
}

void HoverHighlight::OnMouseMove()
{
    if (index_ > 0) {
        ShowNormal(index_);
        index_ = 0;
    }
    // One WM_MOUSELEAVE when the cursor leaves the dialog's own area, onto a control as well.
    if (tracking_.hwndTrack) TrackMouseEvent(&tracking_);
}

void HoverHighlight::OnMouseLeave()
{
    POINT cursor;
    GetCursorPos(&cursor);
    const RECT& window = windowRect_;
    if (!Contains(window.left, window.right, window.top, window.bottom, cursor)) return;
    for (int key = 1; key <= kColourButtonCount; ++key) {
        const HoverButtonInfo* info = Find(key);
        if (info && Contains(*info, cursor)) {
            ShowHover(key);
            return;
        }
    }
}

void HoverHighlight::OnTimerTick()
{
    if (index_ <= 0) return;
    POINT cursor;
    GetCursorPos(&cursor);
    bool found = false;
    for (int key = 1; key <= kColourButtonCount; ++key) {
        const HoverButtonInfo* info = Find(key);
        if (!info || !Contains(*info, cursor)) continue;
        found = true;
        if (key != index_) {
            ShowNormal(index_);
            ShowHover(key);
        }
    }
    if (!found) {
        ShowNormal(index_);
        index_ = 0;
    }
}

void CTallowmereDlg::InitColourButtons()
{
    ColourButton* const buttons[] = {
        &m_SelectSourceButton, &m_UpButton,         &m_RefreshButton,          &m_InsertSourcePathButton,
        &m_ExecuteButton,      &m_SelectTargetButton, &m_HelpButton,           &m_InsertTargetPathButton,
        &m_LanguageButton,     &m_TestButton,       &m_InfoButton,             &m_ClearSourcePathButton,
        &m_ClearTargetPathButton,
    };
    m_Hover.Init(Handle(), buttons);
}
