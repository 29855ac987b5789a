#include "commands/free_names.h"

#include <windows.h>

#include "helpers/numbered_names.h"
#include "helpers/strings.h"
#include "helpers/windows_errors.h"

FreeNames::FreeNames(const std::vector<FileRecord>& taken)
{
    for (const FileRecord& file : taken) taken_.Add(file.name);
}

CString FreeNames::Find(const CString& name) const
{
    CString candidate = name;
    while (IsTaken(candidate)) {
        candidate = NextNumberedName(candidate);
        if (candidate.empty()) return name;
    }
    return candidate;
}

void FreeNames::Take(const CString& name)
{
    if (folding_ == NameFolding::Ascii) taken_.Add(name);
    else taken_.Add(UpperCasedAsFileSystem(name));
}

bool FreeNames::IsTaken(const CString& name) const
{
    // The set folds ASCII itself; only the file system's folding needs a copy.
    if (folding_ == NameFolding::Ascii) return taken_.Contains(name);
    return taken_.Contains(UpperCasedAsFileSystem(name));
}

Placement PlaceUnderFreeName(FreeNames& names, const CString& folder, const CString& name,
                             const std::function<int32_t(const CString& path)>& place)
{
    CString candidate = name;
    for (;;) {
        const Placement placement{place(folder + candidate), folder + candidate};
        const bool refused = IsNameTakenError(placement.result);
        if (placement.result == 0 || refused) names.Take(candidate);
        if (!refused) return placement;
        const CString next = names.Find(candidate);
        if (next == candidate) return placement;
        candidate = next;
    }
}
