#include "framework/controls.h"

CString Control::Text() const
{
    const int length = GetWindowTextLengthW(hwnd_);
    CString text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

// LB_ERR and CB_ERR are both -1.
CString Control::ReadItemText(UINT lengthMsg, UINT textMsg, int index) const
{
    const LRESULT length = Send(lengthMsg, static_cast<WPARAM>(index));
    if (length < 0) return {};
    // Room for the terminator that the text message writes.
    CString text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(textMsg, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}

int ListBox::AddString(const CString& text) const
{
    return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ListBox::SetRedraw(bool on) const
{
    // Drawing back on draws the scroll bars at once; the lines are left to the next paint.
    Send(WM_SETREDRAW, on ? TRUE : FALSE);
    if (on) InvalidateRect(hwnd_, nullptr, TRUE);
}

CString ListBox::ItemText(int index) const
{
    return ReadItemText(LB_GETTEXTLEN, LB_GETTEXT, index);
}

int ComboBox::AddString(const CString& text) const
{
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

CString ComboBox::ItemText(int index) const
{
    return ReadItemText(CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}
