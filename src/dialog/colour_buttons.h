#pragma once
// The 13 colour push buttons by hover key (key k at index k - 1), in the order of their captions.
#include "res/resource_ids.h"

inline constexpr int kColourButtonIds[13] = {
    IDC_SELECT_SOURCE, IDC_UP,          IDC_REFRESH,           IDC_INSERT_SOURCE_PATH, IDC_EXECUTE,
    IDC_SELECT_TARGET, IDC_HELP_BUTTON, IDC_INSERT_TARGET_PATH, IDC_LANGUAGE,          IDC_TEST,
    IDC_INFO,          IDC_CLEAR_SOURCE_PATH, IDC_CLEAR_TARGET_PATH,
};
