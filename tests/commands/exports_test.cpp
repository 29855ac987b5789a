#include <windows.h>

#include <vector>

#include "commands/exports.h"
#include "engine_test.h"

namespace {

class Exports : public EngineTest {
protected:
    Exports()
    {
        const SYSTEMTIME fixed = {2026, 3, 3, 4, 5, 6, 7, 0};
        SetLocalClockForTests(&fixed);
    }
};

}  // namespace

TEST_F(Exports, WritesTheStampedFileAndNeverReplacesOneOfTheSameSecond)
{
    const CString first = folder.Path() + L"2026-03-04_05.06.07 Moved Files.txt";
    const CString second = folder.Path() + L"2026-03-04_05.06.07_001 Moved Files.txt";
    WriteExport(host, g_Messages[36], L"Heading\nC:\\a.mp3\n");
    WriteExport(host, g_Messages[36], L"Heading\nC:\\b.mp3\n");
    EXPECT_EQ(TempFolder::ReadBytes(first), "Heading\r\nC:\\a.mp3\r\n");
    EXPECT_EQ(TempFolder::ReadBytes(second), "Heading\r\nC:\\b.mp3\r\n");
    // Nothing is opened while Open Export is off, so no "Failed: " line either.
    EXPECT_EQ(host.lines, (std::vector<CString>{g_Messages[94] + first, g_Messages[94] + second}));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Exports, AFailedWriteIsReportedAloneAndNothingIsOpened)
{
    g_ExportsDir = folder.Path() + L"Missing\\";
    g_OpenExport = 1;  // an attempt to open the missing file would log a "Failed: " line
    const CString path = g_ExportsDir + L"2026-03-04_05.06.07Listbox Content.txt";
    WriteExport(host, g_Messages[153], L"text\n");
    EXPECT_EQ(host.lines, std::vector<CString>{g_Messages[93] + L"2 (" + path + L")"});
    EXPECT_FALSE(TempFolder::Exists(path));
}
