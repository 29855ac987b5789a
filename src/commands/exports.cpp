#include "commands/exports.h"

#include "commands/command_reports.h"
#include "framework/shell_opener.h"
#include "helpers/strings.h"
#include "helpers/timestamps.h"
#include "helpers/windows_errors.h"
#include "state/globals.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

void WriteExport(CommandHost& host, const CString& title, const CString& text)
{
    TextEncoder encoder;
    encoder.Append(text);
    WriteExport(host, title, std::move(encoder));
}

void WriteExport(CommandHost& host, const CString& title, TextEncoder text)
{
    ReportExport(host, WriteExportFile(title, std::move(text)));
}

NewFile WriteExportFile(const CString& title, TextEncoder text)
{
    return WriteExportFile(title, std::move(text), MakeTimestamp());
}

NewFile WriteExportFile(const CString& title, TextEncoder text, const CString& stamp)
{
    return WriteNewStampedFile([&](const CString& counted) { return g_ExportsDir + counted + title + L".txt"; },
                               stamp, text.Finish());
}

void ReportExport(CommandHost& host, const NewFile& file)
{
    if (ReportUnwritten(host, file)) return;
    host.AddInfoLine(g_Messages[msg::kExportCreated] + file.path);
    if (g_OpenExport != 1) return;
    const CString failure = ShellExecuteErrorText(static_cast<int32_t>(OpenWithShell(file.path)));
    if (!failure.empty()) host.AddInfoLine(L"Failed: " + failure);
}

void ExportNumberedPaths(CommandHost& host, const std::vector<CString>& paths, const CString& exportHeading,
                         const CString& listHeading, const CString& afterNumber, const CString& title)
{
    TextEncoder text;
    text.Append(exportHeading);
    host.AddInfoLine(listHeading);
    for (size_t k = 0; k < paths.size(); ++k) {
        text.AppendLine(paths[k]);
        host.AddInfoLine(L" " + CountToString(k + 1) + afterNumber + paths[k]);
    }
    WriteExport(host, title, std::move(text));
}
