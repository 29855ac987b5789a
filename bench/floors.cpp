#include "floors.h"

#include "helpers/folder_scan.h"
#include "helpers/shortcuts.h"
#include "helpers/text_files.h"

// The floors time the bare work on the bench's own collection, which it made and checked: their
// results are not looked at.

namespace {

void Scan(const CString& folder, FolderRecord& record)
{
    record.path = folder;
    (void)ScanFolder(record);
}

void Read(const CString& playlist)
{
    TextLines entries;
    (void)ReadNonEmptyLines(entries, playlist);
}

}  // namespace

void ShortcutFloor(const CString& shortcutFolder)
{
    FolderRecord record;
    Scan(shortcutFolder, record);
    CString target;
    for (const FileRecord& file : record.files)
        if (file.name.ends_with(L".lnk")) (void)ResolveShortcutTarget(file.folder + file.name, target);
}

void PlaylistCopyFloor(const CString& playlist, const CString& output, const CString& text)
{
    Read(playlist);
    (void)WriteTextFile(output, text);
}

void CorrectionFloor(const CString& playlist, const CString& songFolder, const CString& output, const CString& text)
{
    Read(playlist);
    FolderRecord record;
    Scan(songFolder, record);
    (void)WriteTextFile(output, text);
}

void VerifyFloor(const CString& playlist, const std::vector<CString>& folders)
{
    Read(playlist);
    FolderRecord record;
    for (const CString& folder : folders) Scan(folder, record);
}
