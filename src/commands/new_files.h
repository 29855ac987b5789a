#pragma once
// New playlists and exports are named by the stamp of the moment they are written; two written in
// the same second would get one name. Such a file never replaces the other: it takes the stamp
// followed by "_001", "_002", ... instead.
#include <cstdint>
#include <functional>
#include <optional>

#include "framework/strings.h"

struct NewFile {
    int32_t error = 0;    // 0, or the Windows code of the failed write
    CString path;         // the path written, or tried last
    int32_t counter = 0;  // 0 for the stamp itself, n for the stamp + "_" + n in three digits
};

// The stamp made unique by a counter above 0: stamp + "_" + the counter padded to three digits.
CString CountedStamp(const CString& stamp, int32_t counter);

// Writes the bytes to pathForStamp(stamp used), starting with the counter given and going up while
// the name is taken.
[[nodiscard]] NewFile WriteNewStampedFile(const std::function<CString(const CString& stamp)>& pathForStamp, const CString& stamp,
                            const std::optional<CStringA>& bytes, int32_t firstCounter = 0);
