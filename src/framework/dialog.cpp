#include "framework/dialog.h"

namespace {

// The messages whose result a dialog procedure returns itself; for every other message the result
// goes through DWLP_MSGRESULT and the procedure returns only whether it handled the message.
bool ReturnsResultDirectly(UINT msg)
{
    switch (msg) {
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_QUERYDRAGICON:
    case WM_VKEYTOITEM: return true;
    default: return false;
    }
}

}  // namespace

INT_PTR Dialog::RunModal(HINSTANCE instance, int templateId, HWND owner)
{
    return DialogBoxParamW(instance, MAKEINTRESOURCEW(templateId), owner, &Dialog::Procedure,
                           reinterpret_cast<LPARAM>(this));
}

void Dialog::End(INT_PTR result)
{
    EndDialog(hwnd_, result);
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT msg, WPARAM w, LPARAM l)
{
    if (msg == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(l);
        SetWindowLongPtrW(hwnd, DWLP_USER, l);
        self->hwnd_ = hwnd;
        return self->OnInitDialog() ? TRUE : FALSE;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    // No exception may unwind through the system's frames: a message whose handler threw counts as
    // not handled.
    try {
        return self ? self->Dispatch(msg, w, l) : FALSE;
    } catch (...) {
        return FALSE;
    }
}

INT_PTR Dialog::Dispatch(UINT msg, WPARAM w, LPARAM l)
{
    LRESULT result = 0;
    bool handled = false;
    if (msg == WM_COMMAND) {
        handled = OnCommand(LOWORD(w), HIWORD(w));
    } else if (msg == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(l);
        handled = OnNotify(static_cast<int>(header->idFrom), header, &result);
    }
    if (!handled) handled = OnMessage(msg, w, l, &result);
    if (!handled) return FALSE;
    if (ReturnsResultDirectly(msg)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}
