// The current-language tables: empty until the first language switch fills them.
#include "texts/text_tables.h"

#include <algorithm>
#include <iterator>

CString g_CommandList[kCommandListRows];
CString g_CommandLabels[kCommandListRows];
CString g_Messages[kMessageRows];
CString g_StaticCaptions[kStaticCaptionRows];
CString g_ButtonCaptions[kButtonCaptionRows];
CString g_ButtonEventTexts[kButtonEventTextRows];
CString g_ExtraCaptions[kExtraCaptionRows];
CString g_ScanMessages[kScanMessageRows];
const wchar_t* g_ToolTips[kToolTipRows] = {};

namespace {

template <typename Row, size_t rows>
void CopyRows(Row (&current)[rows], const Row (&source)[rows])
{
    std::copy(std::begin(source), std::end(source), std::begin(current));
}

}  // namespace

void CopyLanguageTables(const CString& language)
{
    const bool english = language == L"English";
    CopyRows(g_Messages, english ? g_MessagesEnglish : g_MessagesGerman);
    CopyRows(g_ToolTips, english ? g_ToolTipsEnglish : g_ToolTipsGerman);
    CopyRows(g_StaticCaptions, english ? g_StaticCaptionsEnglish : g_StaticCaptionsGerman);
    CopyRows(g_CommandList, english ? g_CommandListEnglish : g_CommandListGerman);
    CopyRows(g_CommandLabels, english ? g_CommandLabelsEnglish : g_CommandLabelsGerman);
    CopyRows(g_ButtonEventTexts, english ? g_ButtonEventTextsEnglish : g_ButtonEventTextsGerman);
    CopyRows(g_ButtonCaptions, english ? g_ButtonCaptionsEnglish : g_ButtonCaptionsGerman);
    CopyRows(g_ExtraCaptions, english ? g_ExtraCaptionsEnglish : g_ExtraCaptionsGerman);
    CopyRows(g_ScanMessages, english ? g_ScanMessagesEnglish : g_ScanMessagesGerman);
}
