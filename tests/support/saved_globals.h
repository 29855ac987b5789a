#pragma once
// Every process-wide value that a command or the window reads, copied when made and put back when it
// goes: a test that stops at a failed assertion leaves the next test in its process what it found.
#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <vector>

#include "framework/message_boxes.h"
#include "state/globals.h"
#include "texts/text_tables.h"

class SavedGlobals {
public:
    SavedGlobals()
    {
        Keep(g_ExportsDir, g_HelpDir, g_HelpFileEnglish, g_HelpFileGerman, g_SettingsDir, g_SettingsFile, g_BaseDir);
        Keep(g_ExcludeExtensions, g_ExcludeExtensionsText, g_Mp3Pool, g_DuplicatePool, g_UnusedPool);
        Keep(g_StartPosX, g_StartPosY, g_StopEntries, g_OpenExport, g_MessageBoxCount, g_Language);
        Keep(g_CommandList, g_CommandLabels, g_Messages, g_StaticCaptions, g_ButtonCaptions, g_ButtonEventTexts,
             g_ExtraCaptions, g_ScanMessages, g_ToolTips);
    }
    ~SavedGlobals()
    {
        for (const auto& restore : restores_) restore();
    }
    SavedGlobals(const SavedGlobals&) = delete;
    SavedGlobals& operator=(const SavedGlobals&) = delete;

private:
    template <typename... Value>
    void Keep(Value&... globals)
    {
        (KeepOne(globals), ...);
    }
    template <typename Value>
    void KeepOne(Value& global)
    {
        restores_.push_back([&global, saved = global] { global = saved; });
    }
    template <typename Row, size_t rows>
    void KeepOne(Row (&table)[rows])
    {
        restores_.push_back([&table, saved = std::to_array(table)] { std::copy(saved.begin(), saved.end(), table); });
    }

    std::vector<std::function<void()>> restores_;
};
