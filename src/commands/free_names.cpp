#include "commands/free_names.h"

#include <windows.h>

#include "helpers/numbered_names.h"

FreeNames::FreeNames(const std::vector<FileRecord>& taken)
{
    for (const FileRecord& file : taken) taken_.Add(file.name);
}

CString FreeNames::Find(const CString& name) const
{
    CString candidate = name;
    while (taken_.Contains(candidate)) {
        candidate = NextNumberedName(candidate);
        if (candidate.empty()) return name;
    }
    return candidate;
}

void FreeNames::Take(const CString& name)
{
    taken_.Add(name);
}

Placement PlaceUnderFreeName(FreeNames& names, const CString& folder, const CString& name,
                             const std::function<int32_t(const CString& path)>& place)
{
    CString candidate = name;
    for (;;) {
        const Placement placement{place(folder + candidate), folder + candidate};
        const bool refused = placement.result == ERROR_ALREADY_EXISTS || placement.result == ERROR_FILE_EXISTS;
        if (placement.result == 0 || refused) names.Take(candidate);
        if (!refused) return placement;
        const CString next = names.Find(candidate);
        if (next == candidate) return placement;
        candidate = next;
    }
}
