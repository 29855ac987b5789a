#pragma once
// The program's one window: shell browser, path and search edits, command list, information list,
// 13 push buttons and 5 check boxes.
#include <windows.h>

#include "framework/colour_button.h"
#include "framework/controls.h"
#include "framework/dialog.h"
#include "framework/shell_browser.h"
#include "framework/strings.h"

class CTallowmereDlg : public Dialog {
public:
    CTallowmereDlg();
    INT_PTR DoModal();

    void AddInfoLine(CString text);
    int GetSelectedCommandIndex();
    void UpdateInputLabels();
    void ApplyLanguage();

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
    void OnBnClickedLanguage();
    void OnBnClickedStopEntries();
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
