#include "engine_test.h"
#include "framework/shell_opener.h"

namespace {

using Openers = EngineTest;

TEST_F(Openers, OpenWhatIsThereAndReportWhatIsNot)
{
    g_SettingsDir = folder.Path() + L"Settings\\";
    g_SettingsFile = g_SettingsDir + L"Settings.txt";
    Lines opened;
    DWORD error = 0;
    SetShellOpener([&](const CString& file, const CString& parameters) {
        opened.push_back(file + L"|" + parameters);
        SetLastError(error);
        return INT_PTR{error == 0 ? 42 : 31};  // 31: no program for the file
    });
    const struct { int command; DWORD error; Lines opened, lines; } cases[] = {
        {38, 0, {L"explorer.exe|\"" + folder.Path().substr(0, folder.Path().size() - 1) + L"\""}, {}},
        {39, 0, {}, {FailureText(ERROR_PATH_NOT_FOUND)}},
        {40, 0, {}, {FailureText(ERROR_FILE_NOT_FOUND)}},
        {40, ERROR_NO_ASSOCIATION, {g_SettingsFile + L"|"}, {FailureText(ERROR_NO_ASSOCIATION)}},  // the file is there
    };
    for (const auto& c : cases) {
        if (&c == &cases[3]) folder.Write(L"Settings\\Settings.txt");
        opened.clear();
        error = c.error;
        EXPECT_EQ(Run(c.command, L""), c.lines) << c.command;
        EXPECT_EQ(opened, c.opened) << c.command;
    }
}

}  // namespace
