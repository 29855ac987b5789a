#include "framework/shell_opener.h"

#include <shellapi.h>

#include "framework/com.h"
#include "framework/shell_items.h"

namespace {

ShellOpener& Opener()
{
    static ShellOpener opener;
    return opener;
}

}  // namespace

INT_PTR OpenWithShell(const CString& file, const CString& parameters)
{
    if (Opener()) return Opener()(file, parameters);
    return reinterpret_cast<INT_PTR>(ShellExecuteW(nullptr, nullptr, file.c_str(),
                                                   parameters.empty() ? nullptr : parameters.c_str(), nullptr,
                                                   SW_SHOWNORMAL));
}

void RunDefaultCommand(HWND owner, PCIDLIST_ABSOLUTE item, const CString& path)
{
    if (Opener()) {
        (void)Opener()(path, CString());
        return;
    }
    const unique_pidl parsed = item ? unique_pidl() : PidlOf(path);
    SHELLEXECUTEINFOW run = {};
    run.cbSize = sizeof run;
    // The verb that the item's own context menu marks as its default: the same as a double-click in the
    // shell's views, also for items whose command is no static verb in the registry.
    run.fMask = SEE_MASK_INVOKEIDLIST;
    run.hwnd = owner;
    run.lpIDList = const_cast<ITEMIDLIST*>(item ? item : parsed.get());
    if (!run.lpIDList) {
        // A path the shell cannot parse (beyond MAX_PATH, say) is handed over as it is.
        run.fMask = SEE_MASK_DEFAULT;
        run.lpFile = path.c_str();
    }
    run.nShow = SW_SHOWNORMAL;
    (void)ShellExecuteExW(&run);  // the shell shows its own failures
}

void SetShellOpener(ShellOpener opener)
{
    Opener() = std::move(opener);
}
