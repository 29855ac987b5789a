#pragma once
// The window as the command engine sees it, for a console run: the edits, check boxes and selected
// line are set by the caller, and the information lines are kept, not shown.
#include <vector>

#include "commands/command_host.h"

class ConsoleHost : public CommandHost {
public:
    void AddInfoLine(const CString& text) override { lines_.push_back(text); }
    CString EditText(InputEdit edit) override { return edits_[static_cast<int>(edit)]; }
    void SetEditText(InputEdit edit, const CString& text) override { edits_[static_cast<int>(edit)] = text; }
    bool IsOptionChecked(OptionBox box) override { return box == OptionBox::Case; }
    int GetSelectedCommandIndex() override { return selectedLine_; }
    int InfoLineCount() override { return static_cast<int>(lines_.size()); }
    CString InfoLineText(int index) override { return lines_[index]; }

    // Selects the line and fills the source edit, and starts a fresh information list.
    void Prepare(int line, const CString& source)
    {
        selectedLine_ = line;
        edits_[static_cast<int>(InputEdit::Source)] = source;
        lines_.clear();
    }
    const std::vector<CString>& Lines() const { return lines_; }

private:
    CString edits_[4];
    int selectedLine_ = -1;
    std::vector<CString> lines_;
};
