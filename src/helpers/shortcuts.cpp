#include "helpers/shortcuts.h"

#include <shlobj.h>

#include <cstdint>
#include <cstring>
#include <cwchar>
#include <string>

#include "framework/com.h"
#include "helpers/temporary_file.h"
#include "helpers/text_files.h"

namespace {

// The parts of a shortcut file, as its binary format documents them. Offsets inside a part count from
// the part's start; every size and offset is checked before the bytes it names are read.
constexpr size_t kHeaderSize = 0x4C;
constexpr size_t kLinkFlagsAt = 0x14;
constexpr uint32_t kHasIdList = 0x01, kHasLinkInfo = 0x02, kIsUnicode = 0x80;
// Name, relative path, working folder, arguments, icon location: each a counted string, in this order.
constexpr uint32_t kStringFlags[] = {0x04, 0x08, 0x10, 0x20, 0x40};
// Extra data blocks of a fixed size that hold an ANSI and a UTF-16 path: environment variables,
// installer id and icon environment.
constexpr uint32_t kPathBlockSignatures[] = {0xA0000001, 0xA0000006, 0xA0000007};
constexpr size_t kPathBlockSize = 0x314, kPathBlockAnsiAt = 0x08, kPathBlockWideAt = 0x10C;
constexpr uint32_t kIdListBlockSignature = 0xA000000C;
// What a link info holds: the volume and a local path, a network share.
constexpr uint32_t kHasVolumeAndLocalPath = 0x01, kHasNetworkShare = 0x02;

bool Holds(std::string_view bytes, size_t at, size_t size)
{
    return at <= bytes.size() && size <= bytes.size() - at;
}

// The little-endian value of 1, 2 or 4 bytes at `at`, which the caller has checked are there.
uint32_t ValueAt(std::string_view bytes, size_t at, size_t width)
{
    uint32_t value = 0;
    for (size_t i = width; i-- > 0;) value = value << 8 | static_cast<uint8_t>(bytes[at + i]);
    return value;
}

// A string of 1- or 2-byte units from `at` whose terminator lies within the bytes.
bool TerminatedWithin(std::string_view bytes, size_t at, size_t unit)
{
    for (; Holds(bytes, at, unit); at += unit)
        if (ValueAt(bytes, at, unit) == 0) return true;
    return false;
}

// The same for the string whose offset stands in the 4 bytes at `offsetAt`.
bool StringAtOffsetIn(std::string_view bytes, size_t offsetAt, size_t unit)
{
    return Holds(bytes, offsetAt, 4) && TerminatedWithin(bytes, ValueAt(bytes, offsetAt, 4), unit);
}

// The part that starts with its own 4-byte size at `at`, or an empty view when that size is below
// `least` or runs past the bytes.
std::string_view SizedPart(std::string_view bytes, size_t at, size_t least)
{
    if (!Holds(bytes, at, 4)) return {};
    const size_t size = ValueAt(bytes, at, 4);
    return size >= least && Holds(bytes, at, size) ? bytes.substr(at, size) : std::string_view();
}

// Items, each counted with its own 2-byte size, up to a 2-byte zero within the list.
bool IsSoundIdList(std::string_view list)
{
    for (size_t at = 0; Holds(list, at, 2);) {
        const size_t size = ValueAt(list, at, 2);
        if (size == 0) return true;
        if (size < 2 || !Holds(list, at, size)) return false;
        at += size;
    }
    return false;
}

bool IsSoundVolumeId(std::string_view volume)
{
    if (volume.empty()) return false;
    const size_t labelAt = ValueAt(volume, 0x0C, 4);
    // An offset of 0x14 says that the label is in UTF-16, at the offset in the next field.
    return labelAt == 0x14 ? StringAtOffsetIn(volume, 0x10, 2) : TerminatedWithin(volume, labelAt, 1);
}

bool IsSoundNetworkLink(std::string_view link)
{
    if (link.empty() || !StringAtOffsetIn(link, 0x08, 1)) return false;
    const bool hasDevice = (ValueAt(link, 0x04, 4) & 0x01) != 0;
    if (hasDevice && !StringAtOffsetIn(link, 0x0C, 1)) return false;
    // A name offset above 0x14 says that UTF-16 copies of both names follow.
    if (ValueAt(link, 0x08, 4) <= 0x14) return true;
    return StringAtOffsetIn(link, 0x14, 2) && (!hasDevice || StringAtOffsetIn(link, 0x18, 2));
}

bool IsSoundLinkInfo(std::string_view info)
{
    if (!Holds(info, 0, 0x1C)) return false;
    const size_t headerSize = ValueAt(info, 0x04, 4);
    const uint32_t flags = ValueAt(info, 0x08, 4);
    if (headerSize < 0x1C || headerSize > info.size()) return false;
    // From a header of 0x24 on, UTF-16 copies of the two paths may follow; an offset of 0 means none.
    const auto wideStringSound = [&](size_t offsetAt) {
        return headerSize < 0x24 || ValueAt(info, offsetAt, 4) == 0 || StringAtOffsetIn(info, offsetAt, 2);
    };
    if ((flags & kHasVolumeAndLocalPath) != 0 &&
        (!IsSoundVolumeId(SizedPart(info, ValueAt(info, 0x0C, 4), 0x10)) || !StringAtOffsetIn(info, 0x10, 1) ||
         !wideStringSound(0x1C)))
        return false;
    if ((flags & kHasNetworkShare) != 0 && !IsSoundNetworkLink(SizedPart(info, ValueAt(info, 0x14, 4), 0x14)))
        return false;
    return StringAtOffsetIn(info, 0x18, 1) && wideStringSound(0x20);
}

bool IsSoundExtraBlock(std::string_view block)
{
    const uint32_t signature = ValueAt(block, 4, 4);
    if (signature == kIdListBlockSignature) return IsSoundIdList(block.substr(8));
    for (const uint32_t pathSignature : kPathBlockSignatures) {
        if (signature != pathSignature) continue;
        return block.size() == kPathBlockSize &&
               TerminatedWithin(block.substr(0, kPathBlockWideAt), kPathBlockAnsiAt, 1) &&
               TerminatedWithin(block, kPathBlockWideAt, 2);
    }
    return true;
}

// Room for the longest path Windows can name, so a target is never cut.
constexpr int kLongestPath = 32768;

HRESULT CreateShellLink(ComPtr<IShellLinkW>& link)
{
    return CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid());
}

HRESULT LoadShortcut(const CString& shortcutPath, ComPtr<IShellLinkW>& link)
{
    // The shell reads a damaged file beyond its parts (out of bounds under Wine): only a file whose
    // parts all lie within it reaches the shell.
    CStringA bytes;
    if (const uint32_t error = ReadWholeFile(shortcutPath, bytes)) return HRESULT_FROM_WIN32(error);
    if (!IsSoundShortcutFile(bytes)) return HRESULT_FROM_WIN32(ERROR_BAD_FORMAT);
    HRESULT result = CreateShellLink(link);
    if (FAILED(result)) return result;
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.PutVoid());
    if (FAILED(result)) return result;
    return file->Load(shortcutPath.c_str(), STGM_READ);
}

// The target path as stored in the link, without resolving it.
HRESULT GetStoredPath(IShellLinkW& link, CString& path)
{
    path.assign(kLongestPath, L'\0');
    const HRESULT result = link.GetPath(path.data(), kLongestPath, nullptr, SLGP_RAWPATH);
    path.resize(SUCCEEDED(result) ? std::wcslen(path.c_str()) : 0);
    return result;
}

HRESULT ReadStoredTarget(const CString& shortcutPath, CString& target)
{
    ComPtr<IShellLinkW> link;
    const HRESULT result = LoadShortcut(shortcutPath, link);
    return FAILED(result) ? result : GetStoredPath(*link.Get(), target);
}

}  // namespace

bool IsSoundShortcutFile(std::string_view bytes)
{
    if (!Holds(bytes, 0, kHeaderSize) || ValueAt(bytes, 0, 4) != kHeaderSize ||
        std::memcmp(bytes.data() + 4, &CLSID_ShellLink, sizeof(CLSID)) != 0)
        return false;
    const uint32_t flags = ValueAt(bytes, kLinkFlagsAt, 4);
    size_t at = kHeaderSize;
    if ((flags & kHasIdList) != 0) {
        if (!Holds(bytes, at, 2)) return false;
        const size_t size = ValueAt(bytes, at, 2);
        if (!Holds(bytes, at + 2, size) || !IsSoundIdList(bytes.substr(at + 2, size))) return false;
        at += 2 + size;
    }
    if ((flags & kHasLinkInfo) != 0) {
        const std::string_view info = SizedPart(bytes, at, 0x1C);
        if (!IsSoundLinkInfo(info)) return false;
        at += info.size();
    }
    const size_t unit = (flags & kIsUnicode) != 0 ? 2 : 1;
    for (const uint32_t stringFlag : kStringFlags) {
        if ((flags & stringFlag) == 0) continue;
        if (!Holds(bytes, at, 2) || !Holds(bytes, at + 2, ValueAt(bytes, at, 2) * unit)) return false;
        at += 2 + ValueAt(bytes, at, 2) * unit;
    }
    // Extra data blocks, each at least its size and signature, up to a terminal size below 4 or the end.
    while (at < bytes.size()) {
        if (!Holds(bytes, at, 4)) return false;
        if (ValueAt(bytes, at, 4) < 4) return true;
        const std::string_view block = SizedPart(bytes, at, 8);
        if (block.empty() || !IsSoundExtraBlock(block)) return false;
        at += block.size();
    }
    return true;
}

HRESULT ResolveShortcutTarget(const CString& shortcutPath, CString& target)
{
    target.clear();
    ComPtr<IShellLinkW> link;
    HRESULT result = LoadShortcut(shortcutPath, link);
    if (FAILED(result)) return result;
    // No owner window and no SLR_NO_UI: the shell may look for a moved target and update the link.
    result = link->Resolve(nullptr, SLR_UPDATE);
    if (FAILED(result)) return result;
    // No find data is asked for: it is not used, and Wine fills it through a MAX_PATH buffer.
    CString path;
    result = GetStoredPath(*link.Get(), path);
    if (FAILED(result)) return result;
    // The description is not needed, but a link that cannot give it is treated as unreadable.
    // It may hold a whole path too, so it gets the same room.
    CString description(kLongestPath, L'\0');
    result = link->GetDescription(description.data(), kLongestPath);
    if (FAILED(result)) return result;
    target = std::move(path);
    return result;
}

HRESULT CreateShortcutFile(const CString& target, const CString& shortcutPath, const CString& description)
{
    ComPtr<IShellLinkW> link;
    HRESULT result = CreateShellLink(link);
    if (FAILED(result)) return result;
    // A link whose target was refused would point nowhere; it is not saved.
    result = link->SetPath(target.c_str());
    if (FAILED(result)) return result;
    link->SetDescription(description.c_str());
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.PutVoid());
    if (FAILED(result)) return result;
    // Saved beside under a name of its own and checked before it takes the shortcut's place, so that a
    // failed creation leaves an older shortcut of that name as it was. The shell's save replaces what
    // is there, so it writes only a name that was claimed as a new file of our own.
    TemporaryFile saved;
    if (const DWORD error = saved.Claim(shortcutPath)) return HRESULT_FROM_WIN32(error);
    saved.Close();
    result = file->Save(saved.Path().c_str(), TRUE);
    if (FAILED(result)) return result;
    // Some shells accept a target they cannot store (too long, or outside the ANSI code page) and
    // report success; a link that does not give its target back exactly is a failure.
    CString stored;
    if (FAILED(ReadStoredTarget(saved.Path(), stored)) || stored != target) return HRESULT_FROM_WIN32(ERROR_BAD_PATHNAME);
    const DWORD committed = saved.Commit(ExistingFile::Replace);  // the macro reads its argument twice
    return HRESULT_FROM_WIN32(committed);
}
