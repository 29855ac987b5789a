#include "framework/shell_opener.h"

#include <shellapi.h>

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

void SetShellOpener(ShellOpener opener)
{
    Opener() = std::move(opener);
}
