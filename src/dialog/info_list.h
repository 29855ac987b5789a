#pragma once
// The information list. A run of a command may add thousands of lines, and under Wine a list box
// that draws and scrolls for each line costs tens of milliseconds per line: during a run the lines
// are added unseen and shown together when the run ends or a message box appears.
#include "framework/controls.h"

class InfoList : public ListBox {
public:
    // Appends the line unless Stop Entries holds every line back; out of a run the list shows it at once.
    void AddLine(const CString& text);

    // Between these two, lines are held back; at the end they are shown with the last line in view.
    void BeginRun() { running_ = true; }
    void EndRun();
    // A box is about to appear (true) or has gone (false): its reader sees every line so far, and
    // what the user does behind it shows at once.
    void OnMessageBox(bool showing);

private:
    void ShowHeldLines();

    bool running_ = false;
    int openBoxes_ = 0;
    bool holding_ = false;  // drawing is off and lines wait to be shown
};

// One run of a command, for as long as it lasts.
class InfoListRun {
public:
    explicit InfoListRun(InfoList& list) : list_(list) { list_.BeginRun(); }
    ~InfoListRun() { list_.EndRun(); }
    InfoListRun(const InfoListRun&) = delete;
    InfoListRun& operator=(const InfoListRun&) = delete;

private:
    InfoList& list_;
};
