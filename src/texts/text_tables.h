#pragma once
// The bilingual text tables. Each current table is filled from its English or German source by
// CopyLanguageTables; code reads the current tables by the row names of texts/text_rows.h. The sources
// never change.
#include <cstdint>

#include "framework/strings.h"

constexpr int32_t kCommandListRows = 58;      // also the rows of g_CommandLabels
constexpr int32_t kMessageRows = 156;
constexpr int32_t kStaticCaptionRows = 9;
constexpr int32_t kButtonCaptionRows = 13;
constexpr int32_t kButtonEventTextRows = 31;
constexpr int32_t kExtraCaptionRows = 5;
constexpr int32_t kScanMessageRows = 46;
constexpr int32_t kToolTipRows = 18;
constexpr int32_t kSeparatorLineLength = 100;

// 100 "-": the separator rows of the command list in both languages.
extern const CString g_SeparatorLine;

// Combo lines: headings, separator lines and the 42 numbered commands; the row is the command's key.
extern CString g_CommandList[kCommandListRows];
extern const CString g_CommandListEnglish[kCommandListRows];
extern const CString g_CommandListGerman[kCommandListRows];

// Captions of the source, target, search and replace edits, joined by "#"; trailing empty ones left off.
extern CString g_CommandLabels[kCommandListRows];
extern const CString g_CommandLabelsEnglish[kCommandListRows];
extern const CString g_CommandLabelsGerman[kCommandListRows];

extern CString g_Messages[kMessageRows];
extern const CString g_MessagesEnglish[kMessageRows];
extern const CString g_MessagesGerman[kMessageRows];

extern CString g_StaticCaptions[kStaticCaptionRows];
extern const CString g_StaticCaptionsEnglish[kStaticCaptionRows];
extern const CString g_StaticCaptionsGerman[kStaticCaptionRows];

extern CString g_ButtonCaptions[kButtonCaptionRows];
extern const CString g_ButtonCaptionsEnglish[kButtonCaptionRows];
extern const CString g_ButtonCaptionsGerman[kButtonCaptionRows];

extern CString g_ButtonEventTexts[kButtonEventTextRows];
extern const CString g_ButtonEventTextsEnglish[kButtonEventTextRows];
extern const CString g_ButtonEventTextsGerman[kButtonEventTextRows];

extern CString g_ExtraCaptions[kExtraCaptionRows];
extern const CString g_ExtraCaptionsEnglish[kExtraCaptionRows];
extern const CString g_ExtraCaptionsGerman[kExtraCaptionRows];

extern CString g_ScanMessages[kScanMessageRows];
extern const CString g_ScanMessagesEnglish[kScanMessageRows];
extern const CString g_ScanMessagesGerman[kScanMessageRows];

// Null until the first switch; then pointers into one of the two constant source tables.
extern const wchar_t* g_ToolTips[kToolTipRows];
extern const wchar_t* const g_ToolTipsEnglish[kToolTipRows];
extern const wchar_t* const g_ToolTipsGerman[kToolTipRows];

// Fills every current table from the English sources when language is exactly "English",
// otherwise from the German ones.
void CopyLanguageTables(const CString& language);
