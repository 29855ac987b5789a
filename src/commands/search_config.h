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

    // The first position of the search text in the text, or npos (always for an empty search text). Without the case option the text's
    // ASCII letters are compared lower-cased (the search text is lower-cased already), with no copy of
    // the text made.
    size_t Find(std::wstring_view text) const;
    // How often the search text stands in the text, each time after the end of the one before.
    size_t Count(std::wstring_view text) const;
    // The search in a file name: only its stem, the part before the last ".", is searched, and a name
    // without "." is passed over. The position in the name, or npos.
    size_t FindInStem(std::wstring_view fileName) const;
};

// The part of a file name before its last "."; the whole name when it has none.
std::wstring_view StemOf(std::wstring_view fileName);

// Reads both option boxes at the moment of the call.
SearchConfig GetSearchConfig(CommandHost& host, const CString& searchText);
