#pragma once
// Text exports of a command's findings, in the exports folder.
#include "commands/command_host.h"
#include "framework/strings.h"

// When the line that names the created file is logged: most commands log it once the file is
// written, a few announce it before writing.
enum class CreatedLine { AfterWriting, BeforeWriting };

// Writes text to the exports folder + stamp + title + ".txt" and opens it when Open Export is on.
// A failed write is reported with its error number and the path, and the file is not opened.
void WriteExport(CommandHost& host, const CString& title, const CString& text,
                 CreatedLine createdLine = CreatedLine::AfterWriting);
