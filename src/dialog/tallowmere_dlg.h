#pragma once
// The program's one window: shell browser, path and search edits, command list, information list,
// 13 push buttons and 5 check boxes.
#include <windows.h>

#include "commands/command_host.h"
#include "commands/input_validation.h"
#include "commands/search_config.h"
#include "framework/colour_button.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/shell_browser.h"
#include "framework/strings.h"

class CTallowmereDlg : public Dialog, public CommandHost {
public:
    CTallowmereDlg();
    INT_PTR DoModal();

    void UpdateInputLabels();
    void ApplyLanguage();
    void ReadSettingsFile(const CString& path);
    void WriteSettingsFile(const CString& path);

    // The command engine's view of the window.
    void AddInfoLine(const CString& text) override;
    CString EditText(InputEdit edit) override;
    void SetEditText(InputEdit edit, const CString& text) override;
    bool IsOptionChecked(OptionBox box) override;
    int GetSelectedCommandIndex() override;
    int InfoLineCount() override { return m_InfoList.Count(); }
    CString InfoLineText(int index) override;

    void ExecuteCommand(BOOL testOnly);
    CommandInputs ValidateCommandInputs(int index, BOOL testOnly);
    SearchConfig GetSearchConfig(const CString& searchText);
    void ReportWindowsError(int32_t code);

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    bool OnMessage(UINT msg, WPARAM w, LPARAM l, LRESULT* result) override;

private:
    void AttachControls();
    void OnPaint();
    void FirstPaint();
    HCURSOR OnQueryDragIcon() const { return m_hIcon; }
    void OnClose();
    void OnMove();
    void OnNMClickShellList(NMHDR* header, LRESULT* result);
    void OnBnClickedSelectSource();
    void OnBnClickedSelectTarget();
    void OnBnClickedUp();
    void OnBnClickedRefresh();
    void OnBnClickedInsertSourcePath();
    void OnBnClickedInsertTargetPath();
    void OnBnClickedClearSourcePath();
    void OnBnClickedClearTargetPath();
    void OnBnClickedExecute();
    void OnBnClickedTest();
    void OnBnClickedInfo();
    void OnBnClickedHelp();
    void OnBnClickedLanguage();
    void OnBnClickedClearInfo();
    void OnBnClickedStopEntries();
    void OnBnClickedCaseCheckbox();
    void OnBnClickedWholeWordCheckbox();
    void OnBnClickedOpenExport();
    void SelectIntoEdit(const CString& eventLine, Edit& edit);
    void InsertClipboardInto(const CString& eventLine, Edit& edit);
    void ClearPath(const CString& eventLine, Edit& edit);
    Edit& InputEditControl(InputEdit edit);
    void OnCbnSelchangeCommand();
    // Colour buttons, hover highlight and timer.
    void InitColorButtons();
    void OnMouseMove();
    void OnMouseLeave();
    void OnTimer(UINT_PTR id);
    bool OnDrawItem(int id, const DRAWITEMSTRUCT* item);
    void RecreateToolTips();
    HWND CreateToolTip(int controlId, const wchar_t* text);
    CString ButtonPressedLine(int nameRow) const;
    CString QuotedButtonPressedLine(int captionRow) const;

    HICON m_hIcon;
    ShellBrowser m_ShellList;
    ComboBox m_CommandCombo;
    ListBox m_InfoList;
    Edit m_SourceEdit;
    Edit m_SearchEdit;
    Edit m_TargetEdit;
    Edit m_ReplaceEdit;
    Static m_Statics[9];
    ColourButton m_SelectSourceButton;
    ColourButton m_UpButton;
    ColourButton m_RefreshButton;
    ColourButton m_InsertSourcePathButton;
    ColourButton m_ExecuteButton;
    ColourButton m_HelpButton;
    ColourButton m_LanguageButton;
    ColourButton m_TestButton;
    ColourButton m_InfoButton;
    ColourButton m_ClearSourcePathButton;
    ColourButton m_ClearTargetPathButton;
    ColourButton m_InsertTargetPathButton;
    ColourButton m_SelectTargetButton;
    CheckBox m_StopEntriesCheck;
    CheckBox m_OpenExportCheck;
    CheckBox m_ClearInfoCheck;
    CheckBox m_CaseCheck;
    CheckBox m_WholeWordCheck;
};

// The text of the combo box's selected list line; empty when none is selected.
CString GetComboSelectedText(const ComboBox& combo);
// One line of a list box; empty for a negative index.
CString GetListBoxItemText(const ListBox& list, int index);
