#include <gtest/gtest.h>

#include <vector>

#include "framework/message_boxes.h"

// Counted boxes beyond the fifth are counted but not shown; a question is shown, not counted, and
// gives back the answer.
TEST(MessageBoxes, OnlyTheFirstFiveCountedBoxesAreShownAndQuestionsAreNotCounted)
{
    std::vector<CString> shown;
    SetMessageBoxAnswerer([&shown](const CString& text, const CString& caption, UINT type) {
        shown.push_back(text + L"|" + caption + L"|" + std::to_wstring(type));
        return type == MB_OK ? IDOK : IDNO;
    });
    g_MessageBoxCount = 0;
    for (int i = 1; i <= 6; ++i) ShowLimitedMessageBox(L"box " + std::to_wstring(i));
    EXPECT_EQ(ShowMessageBox(L"Go on?", L"Question", MB_YESNO | MB_ICONWARNING), IDNO);
    EXPECT_EQ(g_MessageBoxCount, 6);
    std::vector<CString> expected;
    for (int i = 1; i <= 5; ++i) expected.push_back(L"box " + std::to_wstring(i) + L"|framework_tests|0");
    expected.push_back(L"Go on?|Question|" + std::to_wstring(MB_YESNO | MB_ICONWARNING));
    EXPECT_EQ(shown, expected);
    SetMessageBoxAnswerer(nullptr);
}
