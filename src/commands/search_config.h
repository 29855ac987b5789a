#pragma once
// The search text prepared by the case and whole-word options, and a description of the search.
#include <cstddef>
#include <string_view>

#include "commands/command_host.h"
#include "framework/strings.h"

struct SearchConfig {
    CString searchText;
    CString description;  // names the search and both options; safe inside a file name
    bool matchCase = true;

    // The first position of the search text in the text, or npos. Without the case option the text's
    // ASCII letters are compared lower-cased (the search text is lower-cased already), with no copy of
    // the text made.
    size_t Find(std::wstring_view text) const;
};

// Reads both option boxes at the moment of the call.
SearchConfig GetSearchConfig(CommandHost& host, const CString& searchText);
