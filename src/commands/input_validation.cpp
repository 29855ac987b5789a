#include "commands/input_validation.h"

#include <windows.h>

#include "commands/command_folders.h"
#include "framework/message_boxes.h"
#include "helpers/file_operations.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "state/globals.h"
#include "texts/command_flags.h"
#include "texts/command_lines.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

// Every fault goes to the information list and into the one box that gathers them all.
class FaultReport {
public:
    explicit FaultReport(CommandHost& host) : host_(host) {}

    void Report(const CString& text)
    {
        host_.AddInfoLine(text);
        text_ += text + L"\n";
    }
    // The first input fault is introduced by one common line.
    void ReportInputFault(const CString& text)
    {
        if (!inputFault_) Report(g_Messages[msg::kInvalidInputs]);
        inputFault_ = true;
        Report(text);
    }
    const CString& Text() const { return text_; }

private:
    CommandHost& host_;
    // The same heading in both languages.
    CString text_ = L"Der Befehl kann nicht ausgeführt werden. Es wurden die folgenden Fehler festgestellt:\n";
    bool inputFault_ = false;
};

// The edit shows the completed folder path too, whatever the check finds.
CString ReadFolderPath(CommandHost& host, InputEdit edit)
{
    CString text = host.EditText(edit);
    if (text.empty()) return text;
    if (!EndsWithBackslash(text)) text += L"\\";
    host.SetEditText(edit, text);
    return text;
}

// The playlist commands read the source as a file: a folder named like a playlist is not one.
bool IsM3uFile(const CString& path)
{
    return FileExists(path) && HasPlaylistExtension(path);
}

bool TargetHoldsFiles(const CString& targetPath)
{
    return ListFolder(targetPath).fileCount > 0;
}

bool ConfirmsEmptyReplaceText()
{
    return ShowMessageBox(g_Messages[msg::kEmptyReplaceQuestion], g_MessageBoxCaption,
                          MB_YESNO | MB_ICONWARNING) == IDYES;
}

// Headings and separator lines carry no requirement bits, so only the line kind is reported for them.
void CheckLine(CommandHost& host, int index, CommandInputs& inputs, FaultReport& report)
{
    const CString& line = g_CommandList[index];
    if (line == g_SeparatorLine) {
        inputs.errorFlags |= kSeparatorSelected;
        report.Report(g_Messages[msg::kNonExecutableLine]);
    }
    if (line.find(L'.') == CString::npos) {
        inputs.errorFlags |= kNotACommand;
        report.Report(g_Messages[msg::kNonExecutableLine]);
    }
    const uint16_t flags = g_CommandFlags[index];
    if (flags & kNeedsSource) {
        if (flags & kSourceIsM3u) {
            inputs.sourcePath = host.EditText(InputEdit::Source);
            if (!IsM3uFile(inputs.sourcePath)) {
                inputs.errorFlags |= kInvalidM3uSource;
                report.ReportInputFault(g_Messages[msg::kInvalidPlaylistPath]);
            }
        } else {
            inputs.sourcePath = ReadFolderPath(host, InputEdit::Source);
            if (!PathExists(inputs.sourcePath)) {
                inputs.errorFlags |= kInvalidSource;
                report.ReportInputFault(g_Messages[msg::kInvalidSourcePath]);
            }
        }
    }
    if (flags & kNeedsTarget) {
        inputs.targetPath = ReadFolderPath(host, InputEdit::Target);
        if (!PathExists(inputs.targetPath)) {
            inputs.errorFlags |= kInvalidTarget;
            report.ReportInputFault(g_Messages[msg::kInvalidTargetPath]);
        }
    }
    if ((flags & kNeedsEmptyTarget) && TargetHoldsFiles(inputs.targetPath)) {
        inputs.errorFlags |= kTargetNotEmpty;
        report.ReportInputFault(g_Messages[msg::kTargetMustBeEmpty]);
    }
    if (flags & kNeedsSearchText) {
        inputs.searchText = host.EditText(InputEdit::Search);
        if (inputs.searchText.empty()) {
            inputs.errorFlags |= kSearchTextMissing;
            report.ReportInputFault(g_Messages[msg::kSearchStringRequired]);
        }
    }
    if (flags & kNeedsReplaceText) {
        inputs.replaceText = host.EditText(InputEdit::Replace);
        // Asked even after other faults, so the user hears of every input at once.
        if (inputs.replaceText.empty() && !ConfirmsEmptyReplaceText()) {
            inputs.errorFlags |= kReplaceTextMissing;
            report.ReportInputFault(g_Messages[msg::kReplaceStringRequired]);
        }
    }
}

// Which edit's text each command remembers in which pool after a check without fault.
struct WriteBack {
    int firstCommand;
    int lastCommand;
    InputEdit edit;
    CString* pool;
};

const WriteBack kWriteBacks[] = {
    {10, 19, InputEdit::Source, &g_Mp3Pool},       {21, 21, InputEdit::Source, &g_Mp3Pool},
    {26, 29, InputEdit::Source, &g_Mp3Pool},       {25, 25, InputEdit::Target, &g_Mp3Pool},
    {31, 32, InputEdit::Target, &g_Mp3Pool},       {26, 26, InputEdit::Target, &g_DuplicatePool},
    {28, 28, InputEdit::Target, &g_DuplicatePool}, {27, 27, InputEdit::Target, &g_UnusedPool},
    {29, 29, InputEdit::Target, &g_UnusedPool},
};

}  // namespace

CommandInputs ValidateCommandInputs(CommandHost& host, int index, bool testOnly)
{
    CommandInputs inputs;
    FaultReport report(host);
    if (index < 0 || index >= kCommandListRows) {
        inputs.errorFlags |= kUnknownCommand;
        report.Report(g_Messages[msg::kCommandNotFound]);
    } else {
        CheckLine(host, index, inputs, report);
    }
    if (inputs.errorFlags != 0) {
        ShowLimitedMessageBox(report.Text());
        return inputs;
    }
    const int command = CommandAtLine(index);
    for (const WriteBack& row : kWriteBacks)
        if (command >= row.firstCommand && command <= row.lastCommand) *row.pool = host.EditText(row.edit);
    if (testOnly) {
        inputs.errorFlags = kTestPassed;
        ShowLimitedMessageBox(g_Messages[msg::kNoErrorsFound]);
    }
    return inputs;
}
