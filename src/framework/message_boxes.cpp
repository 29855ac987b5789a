#include "framework/message_boxes.h"

#include "framework/main_window.h"

int32_t g_MessageBoxCount = 0;

namespace {

MessageBoxAnswerer& Answerer()
{
    static MessageBoxAnswerer answerer;
    return answerer;
}

MessageBoxWatcher& Watcher()
{
    static MessageBoxWatcher watcher;
    return watcher;
}

// Tells the watcher of the box for as long as the box is there.
class WatchedBox {
public:
    WatchedBox() { Tell(true); }
    ~WatchedBox() { Tell(false); }
    WatchedBox(const WatchedBox&) = delete;
    WatchedBox& operator=(const WatchedBox&) = delete;

private:
    static void Tell(bool showing)
    {
        if (Watcher()) Watcher()(showing);
    }
};

int32_t Show(HWND owner, const CString& text, const CString& caption, UINT type)
{
    const WatchedBox watched;
    if (Answerer()) return Answerer()(text, caption, type);
    return MessageBoxW(owner, text.c_str(), caption.c_str(), type);
}

// The name of the program file without folder and extension.
CString ProgramName()
{
    wchar_t buffer[MAX_PATH * 4] = {};
    const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    const CString path(buffer, length);
    const size_t slash = path.find_last_of(L"\\/");
    const CString name = slash == CString::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind(L'.');
    return dot == CString::npos ? name : name.substr(0, dot);
}

}  // namespace

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer)
{
    Answerer() = std::move(answerer);
}

void SetMessageBoxWatcher(MessageBoxWatcher watcher)
{
    Watcher() = std::move(watcher);
}

int32_t ShowMessageBox(const CString& text, const CString& caption, UINT type)
{
    return Show(nullptr, text, caption, type);
}

void ShowLimitedMessageBox(const CString& text)
{
    ++g_MessageBoxCount;
    if (g_MessageBoxCount <= 5) Show(g_MainWindow, text, ProgramName(), MB_OK);
}
