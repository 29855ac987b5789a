#pragma once
// What the command engine needs of the window, and nothing more: the main window implements it,
// and engine tests use a scripted one.
#include "framework/strings.h"

enum class InputEdit { Source, Target, Search, Replace };
enum class OptionBox { Case, WholeWord };

class CommandHost {
public:
    virtual ~CommandHost() = default;
    // One line in the information list (nothing while Stop Entries is checked).
    virtual void AddInfoLine(const CString& text) = 0;
    virtual CString EditText(InputEdit edit) = 0;
    virtual void SetEditText(InputEdit edit, const CString& text) = 0;
    virtual bool IsOptionChecked(OptionBox box) = 0;
    // Row of the selected command line, or -1.
    virtual int GetSelectedCommandIndex() = 0;
    virtual int InfoLineCount() = 0;
    virtual CString InfoLineText(int index) = 0;
};
