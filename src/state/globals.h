#pragma once
// The process-wide state that the engine and the settings share with the window: title, working
// paths, settings values, and the Stop Entries and Open Exports flags.
#include <cstdint>
#include <vector>

#include "framework/strings.h"

extern const CString g_Title;
extern const CString g_MessageBoxCaption;
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
extern CString g_BaseDir;

extern int32_t g_StartPosX;
extern int32_t g_StartPosY;
extern uint8_t g_StopEntries;  // 1: no line reaches the information list
extern uint8_t g_OpenExport;
