#pragma once
// The process-wide state: title, working paths, settings values and the window's flags.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "framework/event.h"
#include "framework/strings.h"

extern const CString g_Title;
extern const CString g_MessageBoxCaption;
extern CString g_CurrentFolder;  // the item last clicked in the shell browser
extern CString g_ExportsDir;
extern CString g_HelpDir;
extern CString g_HelpFileEnglish;
extern CString g_HelpFileGerman;
extern CString g_SettingsDir;
extern CString g_SettingsFile;
extern const CString g_SettingsKeys[6];
extern std::vector<CString> g_ExcludeExtensions;
extern CString g_Language;  // "English", or anything else for German
extern CString g_Mp3Pool;
extern CString g_DuplicatePool;
extern CString g_UnusedPool;
extern CString g_ExcludeExtensionsText;
extern Event g_StopEvent;  // auto-reset; set once when the window closes
extern CString g_BaseDir;

extern int32_t g_StartPosX;
extern int32_t g_StartPosY;
extern uint8_t g_StopEntries;
extern uint8_t g_OpenExport;
extern uint8_t g_FirstPaintDone;
extern uint8_t g_ShellClicksEnabled;
extern uint8_t g_KeepComboSelection;
extern RECT g_MainWindowRect;
extern HWND g_ToolTipWindows[18];
extern UINT_PTR g_TimerId;
extern int32_t g_TimerTicks;            // ticks of timer 1 since start
extern int32_t g_ClearInfoReleaseTick;  // tick at which the Clear Info box is unchecked
extern int32_t g_HoverIndex;                // hover key of the highlighted colour button, 0 = none
extern TRACKMOUSEEVENT g_TrackMouseEvent;   // its tracking window is set at the first paint
