#include "commands/renaming.h"

#include <windows.h>

#include <unordered_set>
#include <vector>

#include "commands/command_reports.h"
#include "commands/exports.h"
#include "commands/command_folders.h"
#include "commands/search_config.h"
#include "helpers/file_operations.h"
#include "helpers/numbered_names.h"
#include "helpers/paths.h"
#include "helpers/strings.h"
#include "helpers/text_lines.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

CString RenamingText(const CString& folder, const CString& oldName, const CString& newName)
{
    return folder + oldName + L" => " + folder + newName;
}

}  // namespace

bool RenameInFolder(CommandHost& host, const CString& folder, const CString& oldName, const CString& newName)
{
    // A name already as wanted needs no call to the file system, and is no failure.
    if (newName == oldName) return true;
    CString leftUnder;
    const int32_t code =
        IsPlainName(newName) ? RenameFileChecked(folder + oldName, folder + newName, &leftUnder) : ERROR_INVALID_NAME;
    if (code == 0) return true;
    host.AddInfoLine(g_Messages[msg::kRenamingNotExecuted] + RenamingText(folder, oldName, newName));
    // The way back failed too: the user has to find the file under the temporary name.
    if (!leftUnder.empty()) ReportFailure(host, code, leftUnder);
    return false;
}

void RenameCounted(CommandHost& host, const CString& folder, const CString& oldName, const CString& newName,
                   RenamingCounts& counts)
{
    if (!RenameInFolder(host, folder, oldName, newName)) {
        ++counts.failed;
        return;
    }
    host.AddInfoLine(g_Messages[msg::kFileRenamed] + RenamingText(folder, oldName, newName));
    ++counts.renamed;
}

void LogRenamingTotals(CommandHost& host, const RenamingCounts& counts)
{
    host.AddInfoLine(g_Messages[msg::kRenamingsExecutedCount] + Int64ToString(counts.renamed));
    if (counts.failed > 0) host.AddInfoLine(g_Messages[msg::kRenamingsFailedCount] + Int64ToString(counts.failed));
}

void RenameByCaseRule(CommandHost& host, const CommandInputs& inputs, CaseRule rule, const CString& separator)
{
    const FolderRecord scan = ListFolder(inputs.sourcePath);
    RenamingCounts counts;
    for (const FileRecord& file : scan.files) {
        if (!separator.empty()) {
            // The counted box may stay hidden after the fifth one; the list keeps the reason.
            const int32_t found = CheckSeparatorOnce(file.name, separator, g_Messages[msg::kSeparatorNotOnce]);
            if (found != 1) {
                host.AddInfoLine(g_Messages[msg::kSeparatorNotOnce] + Int64ToString(found));
                return;
            }
        }
        const CString newName = ApplyCaseRule(file.name, rule, separator);
        // A file already in form is neither logged nor counted.
        if (newName != file.name) RenameCounted(host, inputs.sourcePath, file.name, newName, counts);
    }
    LogRenamingTotals(host, counts);
}

void VerifyDuplicateNames(CommandHost& host, const CommandInputs& inputs)
{
    const FolderRecord scan = ListFolder(inputs.sourcePath);
    std::vector<NumberedName> numbered;
    UniqueLines plain;
    for (const FileRecord& file : scan.files) {
        const int32_t marker = IsNumberedName(file.name);
        if (marker >= 1) numbered.push_back({file.name, marker});
        else plain.Add(file.name);
    }
    // The original is sought without regard to ASCII letter case; a missing one is listed once per
    // exact spelling.
    std::vector<CString> missing;
    std::unordered_set<CString> listed;
    for (const NumberedName& name : numbered) {
        const CString original = CutNameKeepExtension(name);
        if (plain.Contains(original)) continue;
        if (listed.insert(original).second) missing.push_back(original);
    }
    if (missing.empty()) {
        host.AddInfoLine(g_Messages[msg::kOriginalForEachDuplicate]);
        return;
    }
    CString text = g_Messages[msg::kOriginalsNotFoundHeading];
    for (const CString& original : missing) {
        host.AddInfoLine(g_Messages[msg::kOriginalNotFound] + original);
        text += original + L"\n";
    }
    host.AddInfoLine(g_Messages[msg::kOriginalsNotFoundCount] + CountToString(missing.size()));
    WriteExport(host, g_Messages[msg::kMissingOriginalsTitle], text);
}

void FindAndReplaceInNames(CommandHost& host, const CommandInputs& inputs)
{
    const FolderRecord scan = ListFolder(inputs.sourcePath);
    const SearchConfig config = GetSearchConfig(host, inputs.searchText);
    const CString& search = config.searchText;
    int32_t renamed = 0;
    int64_t replacements = 0;
    for (const FileRecord& file : scan.files) {
        const size_t at = config.FindInStem(file.name);
        if (at == CString::npos) continue;
        const std::wstring_view stem = StemOf(file.name);
        // Every occurrence counts, also in a name whose renaming then fails; only the first is replaced.
        replacements += static_cast<int64_t>(config.Count(stem));
        const CString newName = CString(stem.substr(0, at)) + inputs.replaceText + CString(stem.substr(at + search.size())) +
                                file.name.substr(stem.size());
        if (RenameInFolder(host, inputs.sourcePath, file.name, newName)) ++renamed;
    }
    const CString searched = g_Messages[msg::kSearchStringLabel] + search + L"]";
    if (renamed == 0) {
        host.AddInfoLine(g_Messages[msg::kNoRenamings] + searched);
        return;
    }
    host.AddInfoLine(g_Messages[msg::kRenamedFilesCount] + Int64ToString(renamed) + searched);
    host.AddInfoLine(g_Messages[msg::kReplacementsCount] + Int64ToString(replacements) + searched);
}
