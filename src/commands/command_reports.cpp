#include "commands/command_reports.h"

#include <windows.h>

#include "framework/message_boxes.h"
#include "helpers/clipboard.h"
#include "helpers/strings.h"
#include "helpers/windows_errors.h"
#include "state/globals.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

bool AskToProceed(const CString& question)
{
    return ShowMessageBox(question, g_MessageBoxCaption, MB_YESNO | MB_ICONWARNING) == IDYES;
}

CString FailureText(int64_t code, const CString& path)
{
    CString text = g_Messages[msg::kCommandNotSuccessful] + Int64ToString(code);
    if (!path.empty()) text += L" (" + path + L")";
    return text;
}

void ReportFailure(CommandHost& host, int64_t code, const CString& path)
{
    host.AddInfoLine(FailureText(code, path));
}

bool ReportUnreadable(CommandHost& host, int32_t readResult, const CString& path)
{
    if (readResult >= 0) return false;
    ReportFailure(host, -static_cast<int64_t>(readResult), path);
    return true;
}

bool ReportUnwritten(CommandHost& host, const NewFile& file)
{
    if (file.error == 0) return false;
    ReportFailure(host, file.error, file.path);
    return true;
}

void ReportStoppingFault(CommandHost& host, const CString& text)
{
    host.AddInfoLine(text);
    ShowLimitedMessageBox(text);
}

uint32_t ReportedErrorCode(int32_t code)
{
    return code == -1 || code == -2 ? ERROR_PATH_NOT_FOUND : static_cast<uint32_t>(code);
}

void ReportWindowsError(CommandHost& host, int32_t code)
{
    const uint32_t reported = ReportedErrorCode(code);
    if (reported == 0) return;
    SetClipboardText(WindowsErrorLink(reported));
    host.AddInfoLine(g_Messages[msg::kWindowsErrorOccurred] + Int64ToString(reported));
    // Read back, so the line shows what the user will paste.
    host.AddInfoLine(GetClipboardText());
}
