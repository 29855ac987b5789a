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

// U+0416 and U+4E2D have no counterpart in an ANSI code page of Western Europe. The second target keeps
// to characters above U+00FF that code page 1252 holds: Wine's link keeps the target in ANSI.
TEST_F(Shortcuts, CreatingAgainReplacesTheShortcutUnlessTheTargetIsRefused)
{
    const CString first = temp_.Write(L"First.mp3");
    const CString second = temp_.Write(L"Music\\\u0152uvre \u2013 \u0160koda \u20AC.mp3");
    const CString shortcut = folder_ + L"\u0416\u4E2D \u00E9.lnk", blank = folder_ + L"Blank.lnk";
    // The shell refuses a target made of blanks.
    EXPECT_TRUE(FAILED(CreateShortcutFile(L" ", blank, L"description")));
    EXPECT_FALSE(temp_.Exists(blank));
    ASSERT_EQ(CreateShortcutFile(first, shortcut, first), S_OK);
    ASSERT_EQ(CreateShortcutFile(second, shortcut, second), S_OK);
    EXPECT_TRUE(FAILED(CreateShortcutFile(L" ", shortcut, L"description")));
    CString resolved;
    EXPECT_EQ(ResolveShortcutTarget(shortcut, resolved), S_OK);
    EXPECT_EQ(resolved, second);
}

// A shell that cannot hold the target (too long, or beyond the code page Wine keeps it in) fails the
// creation instead of saving a broken link, and an older shortcut of the name stays as it was.
TEST_F(Shortcuts, ShortcutIsSavedOnlyWhenItHoldsTheWholeTarget)
{
    const CString old = temp_.Write(L"Old.mp3");
    for (const CString& target : {temp_.Write(kLongFolders + L"Song.mp3"), temp_.Write(L"\u0416\u4E2D.mp3")}) {
        const CString shortcut = folder_ + std::to_wstring(target.size()) + L".lnk";
        ASSERT_EQ(CreateShortcutFile(old, shortcut, old), S_OK);
        const bool saved = SUCCEEDED(CreateShortcutFile(target, shortcut, target));
        CString resolved;
        EXPECT_EQ(ResolveShortcutTarget(shortcut, resolved), S_OK);
        EXPECT_EQ(resolved, saved ? target : old) << shortcut;
    }
    for (const CString& name : temp_.List()) EXPECT_FALSE(name.starts_with(L"~")) << name;
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
