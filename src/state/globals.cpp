#include "state/globals.h"

// Defined in the order in which they come into being; each destructor runs in reverse order.
const CString g_Title = L"Tallowmere v0.99 (e)";
const CString g_MessageBoxCaption = g_Title;
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
CString g_BaseDir;

int32_t g_StartPosX = 0;
int32_t g_StartPosY = 0;
uint8_t g_StopEntries = 0;
uint8_t g_OpenExport = 0;
