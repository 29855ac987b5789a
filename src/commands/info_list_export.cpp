#include "commands/info_list_export.h"

#include "commands/exports.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

// With Stop Entries checked the list is as it was before this run: the host adds no line then.
void ExportInfoList(CommandHost& host, const CommandInputs&)
{
    CString text = g_Messages[msg::kListboxContent] + L": \n";
    const int count = host.InfoLineCount();
    for (int index = 0; index < count; ++index) {
        text += host.InfoLineText(index);
        text += L'\n';
    }
    WriteExport(host, g_Messages[msg::kListboxContent], text);
}
