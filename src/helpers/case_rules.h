#pragma once
// The renaming rules of the case commands, each named by a keyword.
#include <cstdint>

#include "framework/strings.h"

// The new name by the rule "upper", "lower", "firstcap", "delsuppws", or one of the six rules that change
// one side of the first separator ("firstcapleft", "allcapleft", "allsmallleft", "firstcapright",
// "allcapright", "allsmallright"); empty for any other rule. A separator rule leaves a name without the
// separator as it is. Only ASCII letters change case.
CString ApplyCaseRule(const CString& name, const CString& rule, const CString& separator);

// How often the separator occurs in the name; unless once, tells the user in a counted box:
// faultText (the current language's message) followed by the count.
int32_t CheckSeparatorOnce(const CString& name, const CString& separator, const CString& faultText);
