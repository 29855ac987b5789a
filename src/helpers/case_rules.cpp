#include "helpers/case_rules.h"

#include <vector>

#include "framework/message_boxes.h"
#include "helpers/strings.h"

namespace {

// Words with one blank between them and none at the ends; white space touching a blank goes too.
CString DeleteSuperfluousWhiteSpace(const CString& name)
{
    std::vector<CString> pieces;
    SplitToVector(pieces, false, L" ", name);
    CString result;
    for (const CString& piece : pieces) {
        const CString word = TrimWhiteSpace(piece);
        if (!word.empty()) result += word + L" ";
    }
    return TrimRightWhiteSpace(result);
}

enum class Side { Left, Right };

// The name with one side of the first separator changed; a name without the separator stays as it is.
CString ChangeSide(const CString& name, const CString& separator, Side side, CString (*change)(std::wstring_view))
{
    const size_t at = name.find(separator);
    if (at == CString::npos) return name;
    CString left = name.substr(0, at);
    CString right = name.substr(at + separator.size());
    if (side == Side::Left) left = change(left);
    else right = change(right);
    return left + separator + right;
}

}  // namespace

CString ApplyCaseRule(const CString& name, CaseRule rule, const CString& separator)
{
    switch (rule) {
    case CaseRule::Upper: return ToUpperAscii(name);
    case CaseRule::Lower: return ToLowerAscii(name);
    case CaseRule::FirstCap: return CapitalizeWords(name);
    case CaseRule::FirstCapLeft: return ChangeSide(name, separator, Side::Left, CapitalizeWords);
    case CaseRule::AllCapLeft: return ChangeSide(name, separator, Side::Left, ToUpperAscii);
    case CaseRule::AllSmallLeft: return ChangeSide(name, separator, Side::Left, ToLowerAscii);
    case CaseRule::FirstCapRight: return ChangeSide(name, separator, Side::Right, CapitalizeWords);
    case CaseRule::AllCapRight: return ChangeSide(name, separator, Side::Right, ToUpperAscii);
    case CaseRule::AllSmallRight: return ChangeSide(name, separator, Side::Right, ToLowerAscii);
    case CaseRule::DeleteSuperfluousWhiteSpace: break;
    }
    // Outside the switch, so that the compiler sees every path return; the switch names every rule.
    return DeleteSuperfluousWhiteSpace(name);
}

int32_t CheckSeparatorOnce(const CString& name, const CString& separator, const CString& faultText)
{
    const int32_t count = CountOccurrences(name, separator);
    if (count != 1) ShowLimitedMessageBox(faultText + Int64ToString(count));
    return count;
}
