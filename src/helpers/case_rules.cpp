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

struct SeparatorRule {
    const wchar_t* keyword;
    bool changesLeft;
    CString (*change)(std::wstring_view);
};

const SeparatorRule kSeparatorRules[] = {
    {L"firstcapleft", true, CapitalizeWords},   {L"allcapleft", true, ToUpperAscii},
    {L"allsmallleft", true, ToLowerAscii},      {L"firstcapright", false, CapitalizeWords},
    {L"allcapright", false, ToUpperAscii},      {L"allsmallright", false, ToLowerAscii},
};

}  // namespace

CString ApplyCaseRule(const CString& name, const CString& rule, const CString& separator)
{
    if (rule == L"upper") return ToUpperAscii(name);
    if (rule == L"lower") return ToLowerAscii(name);
    if (rule == L"firstcap") return CapitalizeWords(name);
    for (const SeparatorRule& separatorRule : kSeparatorRules) {
        if (rule != separatorRule.keyword) continue;
        const size_t at = name.find(separator);
        if (at == CString::npos) return name;
        CString left = name.substr(0, at);
        CString right = name.substr(at + separator.size());
        if (separatorRule.changesLeft) left = separatorRule.change(left);
        else right = separatorRule.change(right);
        return left + separator + right;
    }
    if (rule == L"delsuppws") return DeleteSuperfluousWhiteSpace(name);
    return {};
}

int32_t CheckSeparatorOnce(const CString& name, const CString& separator, const CString& faultText)
{
    const int32_t count = CountOccurrences(name, separator);
    if (count != 1) ShowLimitedMessageBox(faultText + Int64ToString(count));
    return count;
}
