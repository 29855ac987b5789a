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

TEST_F(Exports, WritesTheStampedFileAndNamesItBeforeOrAfterWriting)
{
    const CString path = folder.Path() + L"2026-03-04_05.06.07 Moved Files.txt";
    for (CreatedLine order : {CreatedLine::AfterWriting, CreatedLine::BeforeWriting}) {
        host.lines.clear();
        DeleteFileW(path.c_str());
        WriteExport(host, g_Messages[36], L"Heading\nC:\\a.mp3\n", order);
        EXPECT_EQ(TempFolder::ReadBytes(path), "Heading\r\nC:\\a.mp3\r\n");
        // Nothing is opened while Open Export is off, so no "Failed: " line either.
        EXPECT_EQ(host.lines, std::vector<CString>{g_Messages[94] + path});
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(Exports, AFailedWriteIsReportedAndNothingIsOpened)
{
    g_ExportsDir = folder.Path() + L"Missing\\";
    g_OpenExport = 1;  // an attempt to open the missing file would log a "Failed: " line
    const CString path = g_ExportsDir + L"2026-03-04_05.06.07Listbox Content.txt";
    const CString failure = g_Messages[93] + L"2 (" + path + L")";

    WriteExport(host, g_Messages[153], L"text\n");
    EXPECT_EQ(host.lines, std::vector<CString>{failure});

    host.lines.clear();
    WriteExport(host, g_Messages[153], L"text\n", CreatedLine::BeforeWriting);
    EXPECT_EQ(host.lines, (std::vector<CString>{g_Messages[94] + path, failure}));
    EXPECT_FALSE(TempFolder::Exists(path));
}
