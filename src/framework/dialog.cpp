#include "framework/dialog.h"

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
    // A dialog procedure hands results back through DWLP_MSGRESULT.
    SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
    return TRUE;
}
