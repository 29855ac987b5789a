#pragma once
// Thin value wrappers around the dialog's controls: each holds the control's window and sends it messages.
#include <windows.h>

#include "framework/strings.h"

class Control {
public:
    Control() = default;
    explicit Control(HWND window) : hwnd_(window) {}
    void Attach(HWND dialog, int id) { hwnd_ = GetDlgItem(dialog, id); }
    HWND Handle() const { return hwnd_; }
    CString Text() const;
    void SetText(const CString& text) const { SetWindowTextW(hwnd_, text.c_str()); }

protected:
    LRESULT Send(UINT msg, WPARAM w = 0, LPARAM l = 0) const { return SendMessageW(hwnd_, msg, w, l); }
    // The text of a list line, by the control's pair of length and text messages.
    CString ReadItemText(UINT lengthMsg, UINT textMsg, int index) const;
    HWND hwnd_ = nullptr;
};

using Edit = Control;
using Static = Control;
using Button = Control;

class CheckBox : public Control {
public:
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetCheck(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};

class ListBox : public Control {
public:
    int AddString(const CString& text) const;
    int Count() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    CString ItemText(int index) const;
    void SetTopIndex(int index) const { Send(LB_SETTOPINDEX, static_cast<WPARAM>(index)); }
    void SetHorizontalExtent(int pixels) const { Send(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels)); }
    void ResetContent() const { Send(LB_RESETCONTENT); }
    // Off: lines are added without drawing or scrolling; on again, the whole list is drawn at the next paint.
    void SetRedraw(bool on) const;
};

class ComboBox : public Control {
public:
    int AddString(const CString& text) const;
    int Count() const { return static_cast<int>(Send(CB_GETCOUNT)); }
    int CurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(CB_SETCURSEL, static_cast<WPARAM>(index)); }
    CString ItemText(int index) const;
    void ResetContent() const { Send(CB_RESETCONTENT); }
};
