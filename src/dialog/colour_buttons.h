#pragma once
// The 13 colour push buttons by hover key (key k at index k - 1, in the order of their captions), their
// face colours, and the table that the hover highlight works on.
#include <windows.h>

#include <cstdint>
#include <unordered_map>

#include "framework/colour_button.h"
#include "res/resource_ids.h"

inline constexpr int kColourButtonIds[13] = {
    IDC_SELECT_SOURCE, IDC_UP,          IDC_REFRESH,           IDC_INSERT_SOURCE_PATH, IDC_EXECUTE,
    IDC_SELECT_TARGET, IDC_HELP_BUTTON, IDC_INSERT_TARGET_PATH, IDC_LANGUAGE,          IDC_TEST,
    IDC_INFO,          IDC_CLEAR_SOURCE_PATH, IDC_CLEAR_TARGET_PATH,
};

// Face colours when not highlighted, as COLORREF 0x00BBGGRR.
inline constexpr COLORREF kNormalColours[13] = {
    0xD5EFFF, 0xFFFFFF, 0xFFFFFF, 0xD5EFFF, 0x00A5FF, 0xFAE6E6, 0xFAE6E6,
    0xFAE6E6, 0x00FFFF, 0xFAE6E6, 0xF0FFF0, 0xD5EFFF, 0xFAE6E6,
};
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

// Keys 1 to 13; empty until the first paint.
extern std::unordered_map<int, HoverButtonInfo> g_HoverButtons;

// Looks up each button's window and screen rectangle again, after the window has been set up or moved.
void UpdateButtonRects();
// Moves the highlight to the button under the cursor, or removes it when the cursor is over none.
void UpdateButtonHover();
// The face colour that the button of a hover key shows now.
COLORREF HoverButtonFaceColor(int key);
