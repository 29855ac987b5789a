#pragma once
// The renaming rules of the case commands.
#include <cstdint>

#include "framework/strings.h"

// How a case command changes a name. The six rules named for a side change only that side of the first
// separator and leave a name without the separator as it is.
enum class CaseRule {
    Upper,
    Lower,
    FirstCap,  // each word capitalised
    FirstCapLeft,
    AllCapLeft,
    AllSmallLeft,
    FirstCapRight,
    AllCapRight,
    AllSmallRight,
    DeleteSuperfluousWhiteSpace,  // one blank between words, none at the ends
};

// The new name by the rule. Only ASCII letters change case.
CString ApplyCaseRule(const CString& name, CaseRule rule, const CString& separator);

// How often the separator occurs in the name; unless once, tells the user in a counted box:
// faultText (the current language's message) followed by the count.
int32_t CheckSeparatorOnce(const CString& name, const CString& separator, const CString& faultText);
