#pragma once
// Base of the playlist command tests: a fixed clock, COM for the shortcuts, and each command run
// through the executor as the Execute button runs it.
#include <algorithm>
#include <string>
#include <vector>

#include "commands/executor.h"
#include "engine_test.h"
#include "framework/com.h"

// The texts of these tests hold only characters up to U+00FF: one byte each on disk, CR LF line ends.
inline std::string Bytes(const CString& text)
{
    std::string bytes;
    for (wchar_t c : text) bytes += c == L'\n' ? std::string("\r\n") : std::string(1, static_cast<char>(c));
    return bytes;
}

inline CString Joined(const std::vector<CString>& lines)
{
    CString text;
    for (const CString& line : lines) text += line + L"\n";
    return text;
}

// The lines of a file in ascending order: a shuffled playlist compared with its entries.
inline std::vector<std::string> SortedLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    for (size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(bytes.substr(at, end - at));
    std::sort(lines.begin(), lines.end());
    return lines;
}

class PlaylistTest : public EngineTest {
protected:
    PlaylistTest()
    {
        const SYSTEMTIME fixed = {2026, 3, 3, 4, 5, 6, 7, 0};
        SetLocalClockForTests(&fixed);
    }
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(com_.Result())); }

    // The information lines after the press line, and the texts of the boxes shown.
    std::vector<CString> Run(int line, const CString& source)
    {
        host.lines.clear();
        boxes.clear();
        host.selectedLine = line;
        host.Edit(InputEdit::Source) = source;
        ExecuteCommand(host, false);
        if (host.lines.empty() || host.lines.front() != g_Messages[0]) return host.lines;
        return {host.lines.begin() + 1, host.lines.end()};
    }
    static CString Report(const CString& playlistFolder, const CString& name, int count)
    {
        return g_Messages[22] + playlistFolder + L". Name: " + name + L". " + g_Messages[23] +
               std::to_wstring(count) + L".";
    }

    const CString stamp = L"2026-03-04_05.06.07";
    ComApartment com_;
};
