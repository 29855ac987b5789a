#include "state/globals.h"

// Defined in the order in which they come into being; each destructor runs in reverse order.
const CString g_Title = L"Tallowmere v0.99 (e)";
const CString g_MessageBoxCaption = g_Title;
CString g_CurrentFolder;
CString g_ExportsDir;
CString g_HelpDir;
CString g_HelpFileEnglish;
CString g_HelpFileGerman;
CString g_SettingsDir;
CString g_SettingsFile;
const CString g_SettingsKeys[6] = {L"Language = ",    L"Start Position = ", L"MP3 Pool = ",
                                   L"Duplicate Pool = ", L"Unused Pool = ",  L"Exclude Extensions = "};
std::vector<CString> g_ExcludeExtensions;
CString g_Language = L"English";
CString g_Mp3Pool;
CString g_DuplicatePool;
CString g_UnusedPool;
CString g_ExcludeExtensionsText = L".jpg, ";
Event g_StopEvent(false, false);
CString g_BaseDir;

int32_t g_StartPosX = 0;
int32_t g_StartPosY = 0;
uint8_t g_StopEntries = 0;
uint8_t g_OpenExport = 0;
uint8_t g_FirstPaintDone = 0;
uint8_t g_ShellClicksEnabled = 0;
uint8_t g_KeepComboSelection = 0;
RECT g_MainWindowRect = {};
HWND g_ToolTipWindows[18] = {};
UINT_PTR g_TimerId = 1;
int32_t g_TimerTicks = 0;
int32_t g_ClearInfoReleaseTick = 0;
int32_t g_HoverIndex = 0;
TRACKMOUSEEVENT g_TrackMouseEvent = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, nullptr, 0};
