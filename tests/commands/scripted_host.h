#pragma once
// The window as the command engine sees it, scripted by a test: edit texts, check states and the
// selected line are set beforehand, and every information line is kept.
#include <vector>

#include "commands/command_host.h"

class ScriptedHost : public CommandHost {
public:
    void AddInfoLine(const CString& text) override { lines.push_back(text); }
    CString EditText(InputEdit edit) override { return edits[static_cast<int>(edit)]; }
    void SetEditText(InputEdit edit, const CString& text) override { edits[static_cast<int>(edit)] = text; }
    bool IsOptionChecked(OptionBox box) override { return box == OptionBox::Case ? caseChecked : wholeWordChecked; }
    int GetSelectedCommandIndex() override { return selectedLine; }
    int InfoLineCount() override { return static_cast<int>(lines.size()); }
    CString InfoLineText(int index) override { return lines[index]; }

    CString& Edit(InputEdit edit) { return edits[static_cast<int>(edit)]; }

    CString edits[4];  // source, target, search, replace
    bool caseChecked = true;
    bool wholeWordChecked = false;
    int selectedLine = -1;
    std::vector<CString> lines;
};
