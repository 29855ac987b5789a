#include "support/temp_folder.h"

#include "support/unix_form.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

// The \\?\ form reaches paths longer than MAX_PATH; it only applies to a full path with a drive.
CString LongForm(const CString& path)
{
    return path.size() > 2 && path[1] == L':' && path[2] == L'\\' ? L"\\\\?\\" + path : path;
}

// Calls visit with the name and attributes of every entry of folder (ending in '\') but "." and "..".
template <typename Visit>
void ForEachEntry(const CString& folder, Visit visit)
{
    WIN32_FIND_DATAW found;
    const unique_find find = OwnFind(FindFirstFileW((folder + L"*").c_str(), &found));
    if (!find) return;
    do {
        const CString name = found.cFileName;
        if (name != L"." && name != L"..") visit(name, found.dwFileAttributes);
    } while (FindNextFileW(find.get(), &found));
}

// Read-only entries refuse deletion until the attribute is cleared. A junction is removed as a link,
// never entered, so nothing outside the folder can be deleted through it.
void RemoveTree(const CString& folder)
{
    ForEachEntry(folder, [&folder](const CString& name, DWORD attributes) {
        const CString path = folder + name;
        if (attributes & FILE_ATTRIBUTE_READONLY) {
            const DWORD cleared = attributes & ~DWORD{FILE_ATTRIBUTE_READONLY};
            SetFileAttributesW(path.c_str(), cleared ? cleared : FILE_ATTRIBUTE_NORMAL);
        }
        if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) DeleteFileW(path.c_str());
        else if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) RemoveDirectoryW(path.c_str());
        else RemoveTree(path + L"\\");
    });
    RemoveDirectoryW(folder.c_str());
}

CString TemporaryRoot()
{
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH + 1, temp);
    return temp;
}

}  // namespace

TempFolder::TempFolder(const CString& label) : TempFolder(label, TemporaryRoot()) {}

TempFolder::TempFolder(const CString& label, const CString& root)
{
    static std::atomic<unsigned> counter{0};
    const CString prefix = root + L"tallowmere_" + (label.empty() ? L"" : label + L"_") +
                           std::to_wstring(GetCurrentProcessId()) + L"_";
    // A folder left by an earlier process with the same id is never reused: the next number is taken.
    for (;;) {
        path_ = prefix + std::to_wstring(++counter) + L"\\";
        if (CreateDirectoryW(LongForm(path_).c_str(), nullptr)) return;
        if (const DWORD error = GetLastError(); error != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create the temporary folder " << path_ << " (error " << error << ")";
            return;
        }
    }
}

TempFolder::~TempFolder() { RemoveTree(LongForm(path_)); }

CString TempFolder::Write(const CString& name, const std::string& bytes) const
{
    const CString path = path_ + name;
    for (size_t slash = name.find(L'\\'); slash != CString::npos; slash = name.find(L'\\', slash + 1))
        CreateDirectoryW(LongForm(path_ + name.substr(0, slash)).c_str(), nullptr);
    std::ofstream file(std::filesystem::path(LongForm(path)), std::ios::binary);
    if (!file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush()) ADD_FAILURE() << "cannot write " << path;
    return path;
}

std::set<CString> TempFolder::List(const CString& sub) const
{
    std::set<CString> names;
    ForEachEntry(LongForm(path_ + sub), [&names](const CString& name, DWORD) { names.insert(name); });
    return names;
}

std::string TempFolder::ReadBytes(const CString& path)
{
    std::ifstream file(std::filesystem::path(LongForm(path)), std::ios::binary);
    std::ostringstream bytes;
    if (!file || !(bytes << file.rdbuf())) return file ? "" : "(unreadable)";
    return bytes.str();
}

bool TempFolder::Exists(const CString& path)
{
    return GetFileAttributesW(LongForm(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

unique_handle TempFolder::Lock(const CString& path)
{
    unique_handle held = OwnHandle(
        CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!held) ADD_FAILURE() << "cannot lock " << path;
    return held;
}

CString TempFolder::WriteTwin(const CString& name, const std::string& bytes) const
{
    const CString unixFolder = UnixForm(path_);
    if (unixFolder.empty()) ADD_FAILURE() << "no Unix form of " << path_;
    const unique_handle file = OwnHandle(CreateFileW((unixFolder + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (!file || !WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        ADD_FAILURE() << "cannot write the twin " << name;
    return path_ + name;
}

CString TempFolder::Volume(const char* name)
{
    const char* root = std::getenv((std::string("TALLOWMERE_") + name + "_VOLUME").c_str());
    return root ? CString(root, root + std::strlen(root)) : CString();
}
