#include "commands/new_files.h"

#include "helpers/strings.h"
#include "helpers/text_files.h"
#include "helpers/windows_errors.h"

CString CountedStamp(const CString& stamp, int32_t counter)
{
    return counter == 0 ? stamp : stamp + L"_" + PadNumber(counter, 3);
}

NewFile WriteNewStampedFile(const std::function<CString(const CString& stamp)>& pathForStamp, const CString& stamp,
                            const std::optional<CStringA>& bytes, int32_t firstCounter)
{
    NewFile file;
    // A folder cannot hold more names of one second than this; the bound only makes the loop end.
    constexpr int32_t kMaxCounter = 1000000;
    for (file.counter = firstCounter; file.counter <= kMaxCounter; ++file.counter) {
        file.path = pathForStamp(CountedStamp(stamp, file.counter));
        file.error = WriteEncodedFile(file.path, bytes, ExistingFile::Keep);
        if (!IsNameTakenError(file.error)) break;
    }
    return file;
}
