#pragma once
// Base of the engine tests: English tables, a scripted window, a temporary folder, fresh pools and
// box counter, and every message box recorded and answered instead of shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>

#include "framework/message_boxes.h"
#include "helpers/timestamps.h"
#include "scripted_host.h"
#include "state/globals.h"
#include "support/temp_folder.h"
#include "texts/text_tables.h"

struct ShownBox { CString text; CString caption; UINT type; };

class EngineTest : public testing::Test {
protected:
    EngineTest()
    {
        CopyLanguageTables(L"English");
        g_MessageBoxCount = 0;
        g_Mp3Pool = g_DuplicatePool = g_UnusedPool = L"";
        g_OpenExport = 0;
        g_ExportsDir = folder.Path();
        SetMessageBoxAnswerer([this](const CString& text, const CString& caption, UINT type) {
            boxes.push_back({text, caption, type});
            if (onBox) onBox();
            return (type & MB_TYPEMASK) == MB_YESNO ? answer : IDOK;
        });
    }
    ~EngineTest() override
    {
        SetMessageBoxAnswerer(nullptr);
        SetLocalClockForTests(nullptr);
    }

    std::vector<CString> BoxTexts() const
    {
        std::vector<CString> texts;
        for (const ShownBox& box : boxes) texts.push_back(box.text);
        return texts;
    }

    TempFolder folder{L"engine"};
    ScriptedHost host;
    std::vector<ShownBox> boxes;
    int32_t answer = IDYES;        // to every Yes/No question
    std::function<void()> onBox;  // runs inside each box, as the window's messages do behind it
};
