#include "helpers/clipboard.h"

#include <windows.h>

#include <cstring>
#include <cwchar>
#include <memory>

#include "framework/main_window.h"
#include "helpers/strings.h"

namespace {

// Open from construction to destruction, so every way out closes it.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE), error_(open_ ? 0 : GetLastError()) {}
    ~OpenedClipboard()
    {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool IsOpen() const { return open_; }
    DWORD Error() const { return error_; }

private:
    bool open_;
    DWORD error_;
};

// Locked from construction to destruction; Data() is null when the lock failed.
class LockedMemory {
public:
    explicit LockedMemory(HGLOBAL memory) : memory_(memory), data_(memory ? GlobalLock(memory) : nullptr) {}
    ~LockedMemory()
    {
        if (data_) GlobalUnlock(memory_);
    }
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    void* Data() const { return data_; }
    size_t Size() const { return GlobalSize(memory_); }

private:
    HGLOBAL memory_;
    void* data_;
};

struct GlobalFreer {
    void operator()(HGLOBAL memory) const { GlobalFree(memory); }
};
using unique_global = std::unique_ptr<void, GlobalFreer>;

// Another program's data need not end in a zero: never read past the block.
CString ReadUnicodeText(HANDLE data)
{
    const LockedMemory locked(data);
    if (!locked.Data()) return {};
    const auto* chars = static_cast<const wchar_t*>(locked.Data());
    return CString(chars, wcsnlen(chars, locked.Size() / sizeof(wchar_t)));
}

CString ReadAnsiText(HANDLE data)
{
    const LockedMemory locked(data);
    if (!locked.Data()) return {};
    const auto* bytes = static_cast<const char*>(locked.Data());
    const int length = static_cast<int>(strnlen(bytes, locked.Size()));
    const int count = length > 0 ? MultiByteToWideChar(CP_THREAD_ACP, 0, bytes, length, nullptr, 0) : 0;
    if (count <= 0) return {};
    CString text(count, L'\0');
    MultiByteToWideChar(CP_THREAD_ACP, 0, bytes, length, text.data(), count);
    return text;
}

}  // namespace

void SetClipboardText(const CString& text)
{
    // Prepared before the clipboard is opened and emptied, so a failed allocation leaves it as it was.
    const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    unique_global memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) return;
    {
        const LockedMemory locked(memory.get());
        if (!locked.Data()) return;
        std::memcpy(locked.Data(), text.c_str(), bytes);
    }
    const OpenedClipboard clipboard(g_MainWindow);
    if (!clipboard.IsOpen() || !EmptyClipboard()) return;
    // Once the clipboard has taken the memory it is the clipboard's to free.
    if (SetClipboardData(CF_UNICODETEXT, memory.get())) memory.release();
}

CString GetClipboardText()
{
    const OpenedClipboard clipboard(g_MainWindow);
    if (!clipboard.IsOpen()) return L"Windows Error Code: " + Int64ToString(clipboard.Error());
    if (IsClipboardFormatAvailable(CF_UNICODETEXT)) return ReadUnicodeText(GetClipboardData(CF_UNICODETEXT));
    if (IsClipboardFormatAvailable(CF_TEXT)) return ReadAnsiText(GetClipboardData(CF_TEXT));
    return {};
}
