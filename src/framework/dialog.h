#pragma once
// A modal dialog on a resource template. One static procedure keeps `this` from WM_INITDIALOG on
// and hands every message to the members; a subclass overrides only what it handles.
#include <windows.h>

class Dialog {
public:
    virtual ~Dialog() = default;
    // Runs the dialog until it is ended; returns the value given to End.
    INT_PTR RunModal(HINSTANCE instance, int templateId, HWND owner = nullptr);
    HWND Handle() const { return hwnd_; }
    void End(INT_PTR result);

protected:
    virtual bool OnInitDialog() { return true; }
    // Each returns true when it handled the message, with the message's result in *result where it has one.
    virtual bool OnCommand(int /*id*/, int /*notifyCode*/) { return false; }
    virtual bool OnNotify(int /*id*/, NMHDR* /*header*/, LRESULT* /*result*/) { return false; }
    virtual bool OnMessage(UINT /*msg*/, WPARAM /*w*/, LPARAM /*l*/, LRESULT* /*result*/) { return false; }

private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
    INT_PTR Dispatch(UINT msg, WPARAM w, LPARAM l);
    HWND hwnd_ = nullptr;
};
