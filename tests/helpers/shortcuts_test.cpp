#include <gtest/gtest.h>

#include <shlobj.h>

#include <cstdint>

#include "framework/com.h"
#include "helpers/shortcuts.h"
#include "helpers/strings.h"
#include "support/temp_folder.h"

namespace {

class Shortcuts : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(apartment_.Result())); }

    ComApartment apartment_;
    TempFolder temp_{L"shortcuts"};
    const CString folder_ = temp_.Path();
};

// A link file in the documented binary format that holds only a local target path. The shell's
// own SetPath under Wine cannot store a target of MAX_PATH or more, so such a link is built here.
CStringA LinkWithLocalPath(const CStringA& target)
{
    CStringA bytes;
    const auto put = [&bytes](uint32_t value) { bytes.append(reinterpret_cast<const char*>(&value), 4); };
    put(0x4C);  // header size
    bytes.append(reinterpret_cast<const char*>(&CLSID_ShellLink), sizeof(GUID));
    put(0x02 | 0x80);        // has link info, strings in UTF-16
    bytes.append(52, '\0');  // attributes, times, size, icon, show command, hot key, reserved
    const uint32_t infoHeader = 0x1C, volumeSize = 0x11, pathOffset = infoHeader + volumeSize;
    const uint32_t suffixOffset = pathOffset + static_cast<uint32_t>(target.size()) + 1;
    // Link info: sizes and offsets, then a fixed volume with an empty label, the path and an empty suffix.
    for (const uint32_t value : {suffixOffset + 1, infoHeader, 1u, infoHeader, pathOffset, 0u, suffixOffset,
                                 volumeSize, uint32_t{DRIVE_FIXED}, 0u, 0x10u})
        put(value);
    bytes += CStringA(1, '\0') + target + CStringA(2, '\0');
    put(0);  // no extra data
    return bytes;
}

// Five folders of 60 characters each: a target of 300 and more.
const CString kLongFolders = CString(60, L'a') + L"\\" + CString(60, L'b') + L"\\" + CString(60, L'c') + L"\\" +
                             CString(60, L'd') + L"\\" + CString(60, L'e') + L"\\";

}  // namespace

TEST_F(Shortcuts, TargetLongerThanMaxPathIsReadWhole)
{
    const CString target = temp_.Write(kLongFolders + L"Song.mp3");
    ASSERT_GT(target.size(), 300u);
    const CString shortcut = temp_.Write(L"Long.lnk", LinkWithLocalPath(ToAnsiString(target)));
    CString resolved;
    EXPECT_EQ(ResolveShortcutTarget(shortcut, resolved), S_OK);
    EXPECT_EQ(resolved, target);
}

// A shortcut is replaced by a new one of its name, never by one the shell refuses (a blank target) or
// cannot hold whole (too long, or beyond the code page Wine keeps the target in): no broken link and no
// temporary file stay. The first target keeps to characters above U+00FF that code page 1252 holds;
// U+0416 and U+4E2D have no counterpart in an ANSI code page of Western Europe.
TEST_F(Shortcuts, AShortcutIsReplacedOnlyByOneThatHoldsItsWholeTarget)
{
    CString held = temp_.Write(L"Music\\\u0152uvre \u2013 \u0160koda \u20AC.mp3");
    const CString shortcut = folder_ + L"\u0416\u4E2D \u00E9.lnk";
    ASSERT_EQ(CreateShortcutFile(temp_.Write(L"First.mp3"), shortcut, L""), S_OK);
    ASSERT_EQ(CreateShortcutFile(held, shortcut, held), S_OK);
    EXPECT_TRUE(FAILED(CreateShortcutFile(L" ", folder_ + L"Blank.lnk", L"description")));
    const CString targets[] = {L" ", temp_.Write(kLongFolders + L"Song.mp3"), temp_.Write(L"\u0416\u4E2D.mp3")};
    for (const CString& target : targets) {
        if (SUCCEEDED(CreateShortcutFile(target, shortcut, target))) held = target;
        CString resolved;
        EXPECT_EQ(ResolveShortcutTarget(shortcut, resolved), S_OK) << target;
        EXPECT_EQ(resolved, held) << target;
    }
    EXPECT_NE(held, L" ");
    for (const CString& name : temp_.List()) EXPECT_FALSE(name.starts_with(L"~") || name == L"Blank.lnk") << name;
}

TEST_F(Shortcuts, OnlyAFileWhosePartsLieWithinItIsHandedToTheShell)
{
    ASSERT_EQ(CreateShortcutFile(temp_.Write(L"Song.mp3"), folder_ + L"Good.lnk", L"a description"), S_OK);
    const std::string good = TempFolder::ReadBytes(folder_ + L"Good.lnk");
    EXPECT_TRUE(IsSoundShortcutFile(good));
    EXPECT_FALSE(IsSoundShortcutFile(good.substr(0, good.size() - 1)));
    for (const wchar_t* name : {L"1504", L"2226", L"4032", L"5906"}) {
        const CString file = TALLOWMERE_TEST_DATA L"damaged-shortcuts/damaged-" + CString(name) + L".lnk";
        const std::string bytes = TempFolder::ReadBytes(file);
        // Header and class id are intact: a later part fails.
        EXPECT_EQ(bytes.compare(0, 0x14, good, 0, 0x14), 0) << bytes.size();
        EXPECT_FALSE(IsSoundShortcutFile(bytes)) << bytes.size();
    }
}
