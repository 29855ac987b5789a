#include "commands/search_config.h"

#include <algorithm>

#include "helpers/strings.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// The description becomes part of an export's name: characters a file name cannot hold become "$".
CString MakeFileNameSafe(const CString& text)
{
    CString safe = ReplaceInvalidFileNameChars(text, L"$");
    for (wchar_t& c : safe)
        if (c == L'"' || c < L' ') c = L'$';
    return safe;
}

}  // namespace

SearchConfig GetSearchConfig(CommandHost& host, const CString& searchText)
{
    const bool matchCase = host.IsOptionChecked(OptionBox::Case);
    const bool wholeWords = host.IsOptionChecked(OptionBox::WholeWord);
    CString text = matchCase ? searchText : ToLowerAscii(searchText);
    if (wholeWords) text = L" " + text + L" ";
    const CString description = L"[" + text + L" (" + g_Messages[matchCase ? msg::kMatchCaseYes : msg::kMatchCaseNo] +
                                L", " + g_Messages[wholeWords ? msg::kWholeWordsYes : msg::kWholeWordsNo] + L")]";
    return {text, MakeFileNameSafe(description), matchCase};
}

std::wstring_view StemOf(std::wstring_view fileName)
{
    return fileName.substr(0, fileName.rfind(L'.'));
}

size_t SearchConfig::Count(std::wstring_view text) const
{
    size_t count = 0;
    for (size_t at = Find(text); at != std::wstring_view::npos; at = Find(text)) {
        ++count;
        text.remove_prefix(at + searchText.size());
    }
    return count;
}

size_t SearchConfig::FindInStem(std::wstring_view fileName) const
{
    if (fileName.rfind(L'.') == std::wstring_view::npos) return std::wstring_view::npos;
    return Find(StemOf(fileName));
}

size_t SearchConfig::Find(std::wstring_view text) const
{
    // An empty text stands everywhere: Count would never get past it.
    if (searchText.empty()) return std::wstring_view::npos;
    if (matchCase) return text.find(searchText);
    const auto at = std::search(text.begin(), text.end(), searchText.begin(), searchText.end(),
                                [](wchar_t a, wchar_t b) { return LowerAscii(a) == b; });
    return at == text.end() ? std::wstring_view::npos : static_cast<size_t>(at - text.begin());
}
