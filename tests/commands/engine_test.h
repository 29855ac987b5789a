#pragma once
// Base of the engine tests: English tables, a scripted window, a temporary folder, a fixed clock, COM
// for the shortcuts, every message box recorded and answered instead of shown, and each command run
// through the executor as the Execute button runs it. Every global that a test changes is put back.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "commands/command_host.h"
#include "commands/command_reports.h"
#include "commands/executor.h"
#include "commands/folder_playlists.h"
#include "framework/com.h"
#include "framework/message_boxes.h"
#include "framework/shell_opener.h"
#include "helpers/folder_scan.h"
#include "helpers/timestamps.h"
#include "state/globals.h"
#include "support/clipboard_lock.h"
#include "support/saved_globals.h"
#include "support/temp_folder.h"
#include "texts/command_lines.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

using Lines = std::vector<CString>;
using Files = std::map<CString, std::string>;  // name -> bytes

// The window as the engine sees it: edits, check boxes and the selected line set by the test, every
// information line kept.
class ScriptedHost : public CommandHost {
public:
    void AddInfoLine(const CString& text) override { lines.push_back(text); }
    CString EditText(InputEdit edit) override { return edits[static_cast<size_t>(edit)]; }
    void SetEditText(InputEdit edit, const CString& text) override { edits[static_cast<size_t>(edit)] = text; }
    bool IsOptionChecked(OptionBox box) override { return box == OptionBox::Case ? caseChecked : wholeWordChecked; }
    int GetSelectedCommandIndex() override { return selectedLine; }
    int InfoLineCount() override { return static_cast<int>(lines.size()); }
    CString InfoLineText(int index) override { return lines[index]; }

    CString& Edit(InputEdit edit) { return edits[static_cast<size_t>(edit)]; }

    std::array<CString, 4> edits;  // source, target, search, replace
    bool caseChecked = true;
    bool wholeWordChecked = false;
    int selectedLine = -1;
    Lines lines;
};

// The texts of these tests hold only characters up to U+00FF: one byte each on disk, CR LF line ends.
inline std::string Bytes(const CString& text)
{
    std::string bytes;
    for (wchar_t c : text) bytes += c == L'\n' ? std::string("\r\n") : std::string(1, static_cast<char>(c));
    return bytes;
}

inline CString Joined(const Lines& lines)
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

// All but the last `kept` lines sorted: lines of one file each come in the order of the folder listing.
inline Lines SortedBut(Lines lines, size_t kept)
{
    std::sort(lines.begin(), lines.end() - static_cast<std::ptrdiff_t>(std::min(kept, lines.size())));
    return lines;
}

struct ShownBox { CString text; CString caption; UINT type; };

class EngineTest : public testing::Test {
protected:
    EngineTest()
    {
        CopyLanguageTables(L"English");
        g_MessageBoxCount = 0;
        g_Mp3Pool = g_DuplicatePool = g_UnusedPool = L"";
        g_OpenExport = 0;
        g_ExportsDir = folder.Path();
        const SYSTEMTIME fixed = {2026, 3, 3, 4, 5, 6, 7, 0};
        SetLocalClockForTests(&fixed);
        SetMessageBoxAnswerer([this](const CString& text, const CString& caption, UINT type) {
            boxes.push_back({text, caption, type});
            if (onBox) onBox();
            return (type & MB_TYPEMASK) == MB_YESNO ? answer : IDOK;
        });
    }
    ~EngineTest() override
    {
        SetMessageBoxAnswerer(nullptr);
        SetLocalClockForTests(nullptr);
        SetShellOpener(nullptr);
    }
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(com_.Result())); }

    Lines BoxTexts() const
    {
        Lines texts;
        for (const ShownBox& box : boxes) texts.push_back(box.text);
        return texts;
    }
    // The command run on these edits: the information lines after the press line.
    Lines Run(int command, const CString& source, const CString& target = L"", const CString& search = L"",
              const CString& replace = L"")
    {
        host.lines.clear();
        boxes.clear();
        host.selectedLine = CommandLine(command);
        host.edits = {source, target, search, replace};
        ExecuteCommand(host, false);
        if (host.lines.empty() || host.lines.front() != g_Messages[msg::kExecutePressed]) return host.lines;
        return {host.lines.begin() + 1, host.lines.end()};
    }

    // The folder holds these files and no other.
    void Fill(const CString& path, const Files& files) const
    {
        CreateDirectoryW(path.c_str(), nullptr);
        for (const auto& [name, bytes] : Held(path)) DeleteFileW((path + name).c_str());
        for (const auto& [name, bytes] : files) folder.Write(path.substr(folder.Path().size()) + name, bytes);
    }
    // Files whose bytes are their names.
    static Files Named(const Lines& names)
    {
        Files files;
        for (const CString& name : names) files[name] = Bytes(name);
        return files;
    }
    static Files Held(const CString& path)
    {
        Files files;
        for (const FileRecord& file : ScanFolderAt(path).files)
            files[file.name] = TempFolder::ReadBytes(path + file.name);
        return files;
    }
    CString Playlist(const CString& name, const Lines& lines) const
    {
        return folder.Write(L"Lists\\" + name, Bytes(Joined(lines)));
    }
    CString Export(const CString& title) const { return folder.Path() + stamp + title + L".txt"; }
    static CString Report(const CString& playlistFolder, const CString& name, int count)
    {
        return g_Messages[msg::kPlaylistGeneratedIn] + playlistFolder + L". Name: " + name + L". " +
               g_Messages[msg::kFoundSongsCount] + std::to_wstring(count) + L".";
    }

    // First made, last gone: the globals are saved before the fixture sets them.
    const SavedGlobals globals_;
    // Failed moves and copies leave documentation links on the one clipboard that every test process
    // shares: engine tests take turns with the tests that read it back.
    const ClipboardLock clipboard_;
    TempFolder folder{L"engine"};
    ScriptedHost host;
    std::vector<ShownBox> boxes;
    int32_t answer = IDYES;        // to every Yes/No question
    std::function<void()> onBox;  // runs inside each box, as the window's messages do behind it
    const CString stamp = L"2026-03-04_05.06.07";
    const CString lists = folder.Path() + L"Lists\\", songs = folder.Path() + L"Songs\\";
    const CString source = folder.Path() + L"Source\\", target = folder.Path() + L"Target\\";
    ComApartment com_;
};
