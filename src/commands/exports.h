#pragma once
// Text exports of a command's findings, in the exports folder.
#include <vector>

#include "commands/command_host.h"
#include "commands/new_files.h"
#include "framework/strings.h"
#include "helpers/text_encoding.h"

// Writes text to the exports folder + stamp + title + ".txt" (never over an older export), logs the
// file and opens it when Open Export is on. A failed write is reported with its error number and the
// path instead, and nothing is opened.
void WriteExport(CommandHost& host, const CString& title, const CString& text);
// The same for a long text built piece by piece, without a joined copy of it.
void WriteExport(CommandHost& host, const CString& title, TextEncoder text);

// The two halves of WriteExport, for a command that logs the export's path before its report: the
// file alone (its path, or the path tried last and the error), then the report and the opening.
[[nodiscard]] NewFile WriteExportFile(const CString& title, TextEncoder text);
// The file alone under the stamp given, so that a companion file elsewhere can take the same stamp
// and counter.
[[nodiscard]] NewFile WriteExportFile(const CString& title, TextEncoder text, const CString& stamp);
void ReportExport(CommandHost& host, const NewFile& file);

// The paths a command could not handle: in the information list under listHeading, numbered as
// " 1" + afterNumber + path, " 2" + ..., and exported under the title as exportHeading followed by the
// paths, one per line.
void ExportNumberedPaths(CommandHost& host, const std::vector<CString>& paths, const CString& exportHeading,
                         const CString& listHeading, const CString& afterNumber, const CString& title);
