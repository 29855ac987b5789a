#include "dialog/info_list.h"

#include "state/globals.h"

void InfoList::AddLine(const CString& text)
{
    if (g_StopEntries == 1) return;
    if (running_ && openBoxes_ == 0) {
        if (!holding_) SetRedraw(false);
        holding_ = true;
        AddString(text);
        return;
    }
    SetTopIndex(AddString(text));
}

void InfoList::EndRun()
{
    running_ = false;
    ShowHeldLines();
}

void InfoList::OnMessageBox(bool showing)
{
    if (showing) {
        ShowHeldLines();
        UpdateWindow(hwnd_);  // drawn before the box appears, not after
        ++openBoxes_;
    } else if (openBoxes_ > 0) {
        --openBoxes_;
    }
}

void InfoList::ShowHeldLines()
{
    if (!holding_) return;
    holding_ = false;
    // Scrolled before it is drawn, so that it is drawn once.
    SetTopIndex(Count() - 1);
    SetRedraw(true);
}
