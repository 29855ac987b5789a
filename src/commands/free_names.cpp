#include "commands/free_names.h"

#include <windows.h>

#include "helpers/numbered_names.h"
#include "helpers/strings.h"

FreeNames::FreeNames(const std::vector<FileRecord>& taken)
{
    folded_.reserve(taken.size());
    for (const FileRecord& file : taken) folded_.insert(ToLowerAscii(file.name));
}

CString FreeNames::Find(const CString& name) const
{
    CString candidate = name;
    while (folded_.contains(ToLowerAscii(candidate))) {
        candidate = NextNumberedName(candidate);
        if (candidate.empty()) return name;
    }
    return candidate;
}

void FreeNames::Take(const CString& name)
{
    folded_.insert(ToLowerAscii(name));
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
