#include <gtest/gtest.h>

#include <vector>

#include "framework/message_boxes.h"

namespace {

struct Box {
    CString text;
    CString caption;
    UINT type;
};

// Records every box instead of showing it and answers with the given button.
class MessageBoxes : public testing::Test {
protected:
    void AnswerWith(int32_t button)
    {
        SetMessageBoxAnswerer([this, button](const CString& text, const CString& caption, UINT type) {
            shown_.push_back({text, caption, type});
            return button;
        });
    }
    ~MessageBoxes() override { SetMessageBoxAnswerer(nullptr); }

    std::vector<Box> shown_;
};

}  // namespace

TEST_F(MessageBoxes, OnlyTheFirstFiveCountedBoxesAreShown)
{
    AnswerWith(IDOK);
    g_MessageBoxCount = 0;
    for (int i = 1; i <= 6; ++i) ShowLimitedMessageBox(L"box " + std::to_wstring(i));
    EXPECT_EQ(g_MessageBoxCount, 6);
    ASSERT_EQ(shown_.size(), 5u);
    for (size_t i = 0; i < shown_.size(); ++i) {
        EXPECT_EQ(shown_[i].text, L"box " + std::to_wstring(i + 1));
        EXPECT_EQ(shown_[i].caption, L"framework_tests");
        EXPECT_EQ(shown_[i].type, static_cast<UINT>(MB_OK));
    }
}

TEST_F(MessageBoxes, QuestionIsNotCountedAndReturnsTheAnswer)
{
    AnswerWith(IDNO);
    g_MessageBoxCount = 9;
    EXPECT_EQ(ShowMessageBox(L"Go on?", L"Question", MB_YESNO | MB_ICONWARNING), IDNO);
    EXPECT_EQ(g_MessageBoxCount, 9);
    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].caption, L"Question");
    EXPECT_EQ(shown_[0].type, static_cast<UINT>(MB_YESNO | MB_ICONWARNING));
}
