#include "commands/exports.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdint>

#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "helpers/timestamps.h"
#include "helpers/windows_errors.h"
#include "state/globals.h"
#include "texts/text_tables.h"

void WriteExport(CommandHost& host, const CString& title, const CString& text, CreatedLine createdLine)
{
    const CString path = g_ExportsDir + MakeTimestamp(L"datetime") + title + L".txt";
    const CString createdText = g_Messages[94] + path;
    if (createdLine == CreatedLine::BeforeWriting) host.AddInfoLine(createdText);
    if (const int32_t error = WriteTextFile(path, text); error != 0) {
        host.AddInfoLine(g_Messages[93] + Int64ToString(error) + L" (" + path + L")");
        return;
    }
    if (createdLine == CreatedLine::AfterWriting) host.AddInfoLine(createdText);
    if (g_OpenExport != 1) return;
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, nullptr, path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    const CString failure = ShellExecuteErrorText(static_cast<int32_t>(result));
    if (!failure.empty()) host.AddInfoLine(L"Failed: " + failure);
}
