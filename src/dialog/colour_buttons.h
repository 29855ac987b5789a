#pragma once
// The colour push buttons by hover key (key k at index k - 1, in the order of their captions), their
// face colours, and the red highlight of the button under the cursor.
#include <windows.h>

#include <cstdint>
#include <iterator>
#include <unordered_map>

#include "framework/colour_button.h"
#include "res/resource_ids.h"

inline constexpr int kColourButtonIds[] = {
    IDC_SELECT_SOURCE, IDC_UP,          IDC_REFRESH,           IDC_INSERT_SOURCE_PATH, IDC_EXECUTE,
    IDC_SELECT_TARGET, IDC_HELP_BUTTON, IDC_INSERT_TARGET_PATH, IDC_LANGUAGE,          IDC_TEST,
    IDC_INFO,          IDC_CLEAR_SOURCE_PATH, IDC_CLEAR_TARGET_PATH,
};
inline constexpr int kColourButtonCount = static_cast<int>(std::size(kColourButtonIds));

// Face colours when not highlighted, as COLORREF 0x00BBGGRR.
inline constexpr COLORREF kNormalColours[] = {
    0xD5EFFF, 0xFFFFFF, 0xFFFFFF, 0xD5EFFF, 0x00A5FF, 0xFAE6E6, 0xFAE6E6,
    0xFAE6E6, 0x00FFFF, 0xFAE6E6, 0xF0FFF0, 0xD5EFFF, 0xFAE6E6,
};
static_assert(std::size(kNormalColours) == kColourButtonCount, "one face colour for each colour button");
inline constexpr COLORREF kHoverColour = 0x0000FF;  // red

struct HoverButtonInfo {
    int32_t id;
    ColourButton* button;
    HWND hwnd;
    COLORREF normalColour;
    COLORREF hoverColour;
    // The button's rectangle in screen coordinates; all four edges count as inside.
    int32_t left;
    int32_t right;
    int32_t top;
    int32_t bottom;
};

// The dialog's background hears the cursor only while it is over the background itself: the
// highlight starts when the cursor leaves the background onto a button, and the window's timer moves
// or removes it when the cursor goes from a button straight onto another or out of the window.
class HoverHighlight {
public:
    // Takes the buttons in key order, paints each in its normal colour and notes where they are.
    void Init(HWND dialog, ColourButton* const (&buttons)[kColourButtonCount]);
    // Notes again where the window and its buttons are, after the window has moved.
    void UpdateRects();
    void OnMouseMove();
    void OnMouseLeave();
    // At a tick of the window's timer: the highlight follows the cursor (only while one is shown).
    void OnTimerTick();

private:
    HoverButtonInfo* Find(int key);
    void ShowNormal(int key);
    void ShowHover(int key);

    HWND dialog_ = nullptr;
    std::unordered_map<int, HoverButtonInfo> buttons_;  // keys 1 to kColourButtonCount
    int32_t index_ = 0;  // key of the highlighted button, 0 = none
    RECT windowRect_ = {};
    TRACKMOUSEEVENT tracking_ = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, nullptr, 0};
};
