#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <tuple>
#include <vector>

#include "state/globals.h"
#include "state/settings_file.h"
#include "support/temp_folder.h"
#include "texts/text_rows.h"
#include "texts/text_tables.h"

namespace {

using Lines = std::vector<CString>;

// Every value the settings file carries, with the start values as defaults.
struct Settings {
    CString language = L"English";
    int32_t x = 0, y = 0;
    CString mp3 = L"", duplicate = L"", unused = L"";
    CString excludeText = L".jpg, ";
    Lines excludes = {};
    bool operator==(const Settings&) const = default;
};

void SetGlobals(const Settings& s)
{
    std::tie(g_Language, g_StartPosX, g_StartPosY, g_Mp3Pool, g_DuplicatePool, g_UnusedPool, g_ExcludeExtensionsText,
             g_ExcludeExtensions) = std::tie(s.language, s.x, s.y, s.mp3, s.duplicate, s.unused, s.excludeText, s.excludes);
}

Settings Globals()
{
    return {g_Language, g_StartPosX, g_StartPosY, g_Mp3Pool, g_DuplicatePool, g_UnusedPool,
            g_ExcludeExtensionsText, g_ExcludeExtensions};
}

Lines Read(const CString& path)
{
    Lines lines;
    ReadSettingsFile(path, [&](const CString& line) { lines.push_back(line); });
    return lines;
}

const std::string kStartFile = "Language = English\r\nStart Position = 100,50\r\nMP3 Pool = \r\nDuplicate Pool = \r\n"
                               "Unused Pool = \r\nExclude Extensions = .jpg, \r\n";

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { SetGlobals({}); }
    TempFolder folder_{L"settings"};
};

}  // namespace

// A value above U+00FF turns the whole file into UTF-8 with a mark; the one-byte form is checked below.
TEST_F(SettingsFile, EveryValueIsWrittenByteExactAndReadBack)
{
    Settings written{.language = L"German", .x = -1280, .y = -20, .mp3 = L"D:\\\u0416\u00E9\\",
                     .duplicate = L"D:\\Dup\\", .unused = L"", .excludeText = L".jpg,.\u0416"};
    SetGlobals(written);
    const CString path = folder_.Path() + L"Settings.txt";
    WriteSettingsFile(path, RECT{-1280, -20, 0, 0});
    EXPECT_EQ(folder_.ReadBytes(path),
              "\xEF\xBB\xBFLanguage = German\r\nStart Position = -1280,-20\r\nMP3 Pool = D:\\\xD0\x96\xC3\xA9\\\r\n"
              "Duplicate Pool = D:\\Dup\\\r\nUnused Pool = \r\nExclude Extensions = .jpg,.\xD0\x96\r\n");
    SetGlobals({});
    Read(path);
    written.excludes = {L".jpg", L".\u0416"};
    EXPECT_EQ(Globals(), written);
}

// One line and no change for a file that cannot be read (see the text file tests for the files that
// cannot be decoded); the settings written at close replace it.
TEST_F(SettingsFile, AnUnreadableFileGivesOneLineWithItsWindowsCodeAndIsReplacedAtClose)
{
    const struct { const wchar_t* name; const wchar_t* code; } cases[] = {{L"Settings.txt", L"2"},
                                                                          {L"missing\\Settings.txt", L"3"}};
    for (const auto& c : cases) {
        const CString path = folder_.Path() + c.name;
        EXPECT_EQ(Read(path), Lines{g_ScanMessagesEnglish[scan_msg::kSettingsFileNotOpened] + c.code}) << c.name;
        EXPECT_EQ(Globals(), Settings{}) << c.name;
        WriteSettingsFile(path, RECT{100, 50, 0, 0});
        EXPECT_EQ(folder_.ReadBytes(path), *c.code == L'3' ? "(unreadable)" : kStartFile) << c.name;
    }
}

TEST_F(SettingsFile, ReadsEachKeyByItsOwnRules)
{
    const CString german = L"Lese die Einstellungen-Datei:";
    const struct { std::string bytes; Lines lines; Settings settings; } cases[] = {
        {"Language = German  \r\n", {german, L"Language = German"}, {.language = L"German"}},
        {"Language = german\r\n",
         {g_ScanMessagesEnglish[scan_msg::kLanguageSettingMissing], L"Language = English"},
         {}},
        {"Start Position = -1280, 20\r\n", {L"Start Position = -1280, 20"}, {.x = -1280, .y = 20}},
        {"Start Position = 100\r\n", {}, {}},
        {"Start Position = left,12px\r\n", {L"Start Position = left,12px"}, {.y = 12}},
        {"language = German\r\nLanguage=German\r\nMP3 Pool=D:\\\r\n Unused Pool = D:\\\r\n", {}, {}},
        {"MP3 Pool = \t D:\\Music\\ \t\r\n", {L"MP3 Pool = D:\\Music\\"}, {.mp3 = L"D:\\Music\\"}},
        {"Unused Pool = U\r\n\r\n# other\r\nDuplicate Pool = D\r\nLanguage = German",
         {L"Unused Pool = U", L"Duplicate Pool = D", german, L"Language = German"},
         {.language = L"German", .duplicate = L"D", .unused = L"U"}},
        {"Start Position = 1,2\r\nStart Position = 3,4\r\nExclude Extensions = .a\r\nExclude Extensions = .b, .c\r\n",
         {L"Start Position = 1,2", L"Start Position = 3,4", L"Exclude Extensions = .a", L"Exclude Extensions = .b, .c"},
         {.x = 3, .y = 4, .excludeText = L".b, .c", .excludes = {L".a", L".b", L".c"}}},
    };
    for (const auto& c : cases) {
        SetGlobals({});
        Lines expected = c.lines;
        expected.push_back(CString(200, L'-'));
        EXPECT_EQ(Read(folder_.Write(L"Settings.txt", c.bytes)), expected) << c.bytes;
        EXPECT_EQ(Globals(), c.settings) << c.bytes;
    }
}

// Splitting this line once took minutes (each piece cut copied the rest); CTest's timeout is the check.
TEST_F(SettingsFile, ALongExcludeLineIsSplitInOnePass)
{
    std::string line = "Exclude Extensions = .first, ";
    const size_t pieces = 8 * 1024 * 1024 / 6;
    for (size_t i = 0; i < pieces; ++i) line += ".mp3, ";
    Read(folder_.Write(L"Settings.txt", line + ".last\r\n"));
    ASSERT_EQ(g_ExcludeExtensions.size(), pieces + 2);
    EXPECT_EQ(g_ExcludeExtensions.front(), L".first");
    EXPECT_EQ(g_ExcludeExtensions.back(), L".last");
}

TEST(NormalWindowRect, GivesTheRestoredRectangleInEveryState)
{
    const HWND window = CreateWindowW(L"STATIC", L"Settings", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                      nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    MoveWindow(window, 120, 70, 300, 200, TRUE);
    const RECT placed{120, 70, 420, 270};
    for (const int show : {SW_SHOWNORMAL, SW_MINIMIZE, SW_MAXIMIZE, SW_RESTORE}) {
        ShowWindow(window, show);
        ASSERT_EQ(IsIconic(window) != 0, show == SW_MINIMIZE);
        ASSERT_EQ(IsZoomed(window) != 0, show == SW_MAXIMIZE);
        const RECT rect = NormalWindowRect(window);
        EXPECT_TRUE(EqualRect(&rect, &placed)) << show << ": " << rect.left << "," << rect.top << ","
                                                << rect.right << "," << rect.bottom;
    }
    DestroyWindow(window);
}
