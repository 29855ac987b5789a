#include "helpers/text_files.h"

#include <windows.h>

#include <functional>
#include <new>
#include <stdexcept>

#include "framework/handles.h"
#include "helpers/strings.h"
#include "helpers/temporary_file.h"
#include "helpers/text_encoding.h"

namespace {

// Far above any playlist or settings file; a larger file is not one of ours.
constexpr LONGLONG kMaxFileBytes = 64LL * 1024 * 1024;

}  // namespace

uint32_t ReadWholeFile(const CString& path, CStringA& bytes)
{
    const unique_handle file = OwnHandle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                                     nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file) return GetLastError();
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size)) return GetLastError();
    if (size.QuadPart > kMaxFileBytes) return ERROR_FILE_TOO_LARGE;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t total = 0;
    while (total < bytes.size()) {
        DWORD read = 0;
        if (!ReadFile(file.get(), bytes.data() + total, static_cast<DWORD>(bytes.size() - total), &read, nullptr))
            return GetLastError();
        if (read == 0) break;  // shortened by its writer since the size was taken
        total += read;
    }
    bytes.resize(total);
    return 0;
}

namespace {

// Hands each line of the file to onLine; 0 or a Windows error code. A failure after some lines were
// handed over is the caller's to undo.
DWORD ForEachLine(const CString& path, const std::function<void(const CStringA& bytes)>& onBytes,
                  const std::function<void(std::wstring_view)>& onLine)
{
    try {
        CStringA bytes;
        if (const DWORD error = ReadWholeFile(path, bytes)) return error;
        onBytes(bytes);
        if (!DecodeLines(bytes, onLine)) return ERROR_NO_UNICODE_TRANSLATION;
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    } catch (const std::length_error&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    return 0;
}

// Beside the target, so that a rename within one folder puts the whole file in place in one step.
DWORD PutFileInPlace(const CString& path, const CStringA& bytes, ExistingFile existing)
{
    TemporaryFile file;
    if (const DWORD error = file.Claim(path)) return error;
    if (const DWORD error = file.Write(bytes.data(), bytes.size())) return error;
    return file.Commit(existing);
}

}  // namespace

void WriteTextFileCStdio(const CString& path, const CString& text)
{
    (void)WriteTextFile(path, text);  // the settings are written at close, with no one left to tell
}

int32_t WriteTextFile(const CString& path, const CString& text)
{
    return WriteEncodedFile(path, EncodeText(text), ExistingFile::Replace);
}

int32_t WriteEncodedFile(const CString& path, const std::optional<CStringA>& bytes, ExistingFile existing)
{
    if (!bytes) return ERROR_NO_UNICODE_TRANSLATION;
    return static_cast<int32_t>(PutFileInPlace(path, *bytes, existing));
}

int32_t ReadNonEmptyLines(TextLines& lines, const CString& path)
{
    const size_t before = lines.size();
    // A file has no more units than bytes.
    const DWORD error = ForEachLine(
        path, [&](const CStringA& bytes) { lines.ReserveUnits(bytes.size()); },
        [&](std::wstring_view line) {
            line = TrimWhiteSpaceView(line);
            if (!line.empty()) lines.Append(line);
        });
    if (error != 0) lines.Truncate(before);
    lines.ReleaseSpareUnits();
    return error == 0 ? static_cast<int32_t>(lines.size() - before) : -static_cast<int32_t>(error);
}

int32_t ReadUniqueLines(UniqueLines& lines, const CString& path)
{
    const size_t before = lines.Lines().size();
    const DWORD error =
        ForEachLine(path, [](const CStringA&) {}, [&](std::wstring_view line) { lines.Add(TrimWhiteSpaceView(line)); });
    if (error == 0) return static_cast<int32_t>(lines.Lines().size() - before);
    lines.Truncate(before);
    return -static_cast<int32_t>(error);
}

int32_t ReadLinesUnicode(std::vector<CString>& lines, const CString& path)
{
    CStringA bytes;
    if (const DWORD error = ReadWholeFile(path, bytes)) return -static_cast<int32_t>(error);
    if (StartsWithBigEndianMark(bytes)) return -static_cast<int32_t>(ERROR_INVALID_DATA);
    std::vector<CString> read;
    if (!DecodeLines(bytes, [&](std::wstring_view line) { read.emplace_back(line); }))
        return -static_cast<int32_t>(ERROR_NO_UNICODE_TRANSLATION);
    lines.insert(lines.end(), std::make_move_iterator(read.begin()), std::make_move_iterator(read.end()));
    return static_cast<int32_t>(read.size());
}
