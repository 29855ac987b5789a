#include "state/settings_file.h"

#include <cstdlib>
#include <vector>

#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "state/globals.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// Rows of g_SettingsKeys.
enum SettingsKey { kLanguage, kStartPosition, kMp3Pool, kDuplicatePool, kUnusedPool, kExcludeExtensions, kKeyCount };

void ApplySetting(int key, const CString& value, const std::function<void(const CString&)>& addInfoLine)
{
    static CString* const pools[] = {&g_Mp3Pool, &g_DuplicatePool, &g_UnusedPool};
    switch (key) {
    case kLanguage:
        if (value == L"English" || value == L"German") {
            g_Language = value;
            addInfoLine(value == L"English" ? L"Read Settings File:" : L"Lese die Einstellungen-Datei:");
        } else {
            g_Language = L"English";
            addInfoLine(g_ScanMessagesEnglish[scan_msg::kLanguageSettingMissing]);
        }
        addInfoLine(g_SettingsKeys[kLanguage] + g_Language);
        return;
    case kStartPosition: {
        const size_t comma = value.find(L',');
        if (comma == CString::npos) return;
        g_StartPosX = _wtoi(TrimWhiteSpace(value.substr(0, comma)).c_str());
        g_StartPosY = _wtoi(TrimWhiteSpace(value.substr(comma + 1)).c_str());
        break;
    }
    case kMp3Pool:
    case kDuplicatePool:
    case kUnusedPool:
        *pools[key - kMp3Pool] = value;
        break;
    case kExcludeExtensions:
        g_ExcludeExtensionsText = value;
        SplitToVector(g_ExcludeExtensions, true, L",", value);
        break;
    }
    addInfoLine(g_SettingsKeys[key] + value);
}

}  // namespace

void ReadSettingsFile(const CString& path, const std::function<void(const CString&)>& addInfoLine)
{
    std::vector<CString> lines;
    const int32_t read = ReadLinesUnicode(lines, path);
    if (read < 0) {
        addInfoLine(g_ScanMessagesEnglish[scan_msg::kSettingsFileNotOpened] +
                    Int64ToString(-static_cast<int64_t>(read)));
        return;
    }
    for (const CString& line : lines) {
        int key = 0;
        while (key < kKeyCount && !line.starts_with(g_SettingsKeys[key])) ++key;
        if (key < kKeyCount) ApplySetting(key, TrimWhiteSpace(line.substr(g_SettingsKeys[key].size())), addInfoLine);
    }
    addInfoLine(g_SeparatorLine + g_SeparatorLine);
}

void WriteSettingsFile(const CString& path, const RECT& windowRect)
{
    const CString* const keys = g_SettingsKeys;
    WriteTextFileCStdio(path, keys[kLanguage] + g_Language + L"\n" +
                                  keys[kStartPosition] + Int64ToString(windowRect.left) + L"," +
                                  Int64ToString(windowRect.top) + L"\n" +
                                  keys[kMp3Pool] + g_Mp3Pool + L"\n" +
                                  keys[kDuplicatePool] + g_DuplicatePool + L"\n" +
                                  keys[kUnusedPool] + g_UnusedPool + L"\n" +
                                  keys[kExcludeExtensions] + g_ExcludeExtensionsText + L"\n");
}

RECT NormalWindowRect(HWND window)
{
    RECT rect{};
    if (!IsIconic(window) && !IsZoomed(window)) {
        GetWindowRect(window, &rect);
        return rect;
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    rect = placement.rcNormalPosition;
    // The placement counts from the work area's corner, which a task bar at the left or top moves.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        OffsetRect(&rect, monitor.rcWork.left - monitor.rcMonitor.left, monitor.rcWork.top - monitor.rcMonitor.top);
    return rect;
}
