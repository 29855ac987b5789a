#pragma once
// The program's one window: shell browser, path and search edits, command list, information list,
// 13 push buttons and 5 check boxes.
#include <windows.h>

#include <cstdint>

#include "commands/command_host.h"
#include "dialog/colour_buttons.h"
#include "dialog/info_list.h"
#include "framework/colour_button.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/shell_browser.h"
#include "framework/strings.h"
#include "texts/text_tables.h"

class CTallowmereDlg : public Dialog, public CommandHost {
public:
    CTallowmereDlg();
    ~CTallowmereDlg() override;
    CTallowmereDlg(const CTallowmereDlg&) = delete;
    CTallowmereDlg& operator=(const CTallowmereDlg&) = delete;
    INT_PTR DoModal();

    // The command engine's view of the window.
    void AddInfoLine(const CString& text) override;
    CString EditText(InputEdit edit) override;
    void SetEditText(InputEdit edit, const CString& text) override;
    bool IsOptionChecked(OptionBox box) override;
    int GetSelectedCommandIndex() override;
    int InfoLineCount() override { return m_InfoList.Count(); }
    CString InfoLineText(int index) override;

    // Ticks of the window's 500 ms timer since it started.
    int32_t TimerTicks() const { return m_TimerTicks; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(int id, int notifyCode) override;
    bool OnNotify(int id, NMHDR* header, LRESULT* result) override;
    bool OnMessage(UINT msg, WPARAM w, LPARAM l, LRESULT* result) override;

private:
    void AttachControls();
    void OnPaint();
    void FirstPaint();
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
    void RunCommand(bool testOnly);
    void SelectIntoEdit(const CString& eventLine, Edit& edit);
    void InsertClipboardInto(const CString& eventLine, Edit& edit);
    void ClearPath(const CString& eventLine, Edit& edit);
    Edit& InputEditControl(InputEdit edit);
    void OnCbnSelchangeCommand();
    void UpdateInputLabels();
    void ApplyLanguage(bool keepComboSelection);
    void RecreateToolTips();
    HWND CreateToolTip(int controlId, const wchar_t* text);
    void InitColourButtons();
    void OnTimer(UINT_PTR id);
    // False for a control that the window does not draw itself.
    bool OnDrawItem(int id, const DRAWITEMSTRUCT* item);
    CString ButtonPressedLine(int nameRow) const;
    CString QuotedButtonPressedLine(int captionRow) const;

    HICON m_hIcon;
    ShellBrowser m_ShellList;
    ComboBox m_CommandCombo;
    InfoList m_InfoList;
    Edit m_SourceEdit;
    Edit m_SearchEdit;
    Edit m_TargetEdit;
    Edit m_ReplaceEdit;
    Static m_Statics[kStaticCaptionRows];  // one for each caption row
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

    // What only the window keeps.
    CString m_CurrentFolder;  // the item last clicked in the shell browser
    HoverHighlight m_Hover;
    HWND m_ToolTipWindows[kToolTipRows] = {};  // one for each tooltip row
    UINT_PTR m_TimerId = 1;
    int32_t m_TimerTicks = 0;
    int32_t m_ClearInfoReleaseTick = 0;  // tick at which the Clear Info box is unchecked
    bool m_ShellClicksEnabled = false;
    bool m_FirstPaintDone = false;
};

// The text of the combo box's selected list line; empty when none is selected.
CString GetComboSelectedText(const ComboBox& combo);
// One line of a list box; empty for a negative index.
CString GetListBoxItemText(const ListBox& list, int index);
