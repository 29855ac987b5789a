#pragma once
// The search text prepared by the case and whole-word options, and a description of the search.
#include "commands/command_host.h"
#include "framework/strings.h"

struct SearchConfig {
    CString searchText;
    CString description;  // names the search and both options; safe inside a file name
};

// Reads both option boxes at the moment of the call.
SearchConfig GetSearchConfig(CommandHost& host, const CString& searchText);
