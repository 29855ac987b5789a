#include "helpers/paths.h"

CString GetExtension(const CString& path)
{
    const size_t dot = path.rfind(L'.');
    return dot == CString::npos ? CString() : path.substr(dot);
}

CString StripExtension(const CString& path)
{
    const size_t dot = path.rfind(L'.');
    return dot == CString::npos ? CString() : path.substr(0, dot);
}

CString GetFileNamePart(const CString& path)
{
    const size_t slash = path.rfind(L'\\');
    return slash == CString::npos ? CString() : path.substr(slash + 1);
}

CString GetFolderPart(const CString& path)
{
    const size_t slash = path.rfind(L'\\');
    return slash == CString::npos ? CString() : path.substr(0, slash + 1);
}
