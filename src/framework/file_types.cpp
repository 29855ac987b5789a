#include "framework/file_types.h"

#include <windows.h>
#include <shellapi.h>

namespace {

bool ReadsHideKnownExtensions()
{
    DWORD value = 0, size = sizeof value;
    return RegGetValueW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Advanced",
                        L"HideFileExt", RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS &&
           value != 0;
}

CString ClassValue(const CString& key, const wchar_t* value)
{
    wchar_t text[MAX_PATH] = {};
    DWORD size = sizeof text;
    const DWORD textTypes = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    if (RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), value, textTypes, nullptr, text, &size) != ERROR_SUCCESS) {
        return {};
    }
    return text;
}

bool ClassHasValue(const CString& key, const wchar_t* value)
{
    return RegGetValueW(HKEY_CLASSES_ROOT, key.c_str(), value, RRF_RT_ANY, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool ClassKeyExists(const CString& key)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

TypeLook LookUp(const wchar_t* name, DWORD attributes)
{
    SHFILEINFOW info = {};
    TypeLook look;
    if (SHGetFileInfoW(name, attributes, &info, sizeof info,
                       SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_TYPENAME)) {
        look.icon = info.iIcon;
        look.text = info.szTypeName;
    }
    return look;
}

}  // namespace

std::wstring_view ExtensionOf(std::wstring_view name)
{
    for (size_t i = name.size(); i-- > 0;) {
        if (name[i] == L' ' || name[i] == L'\\') break;
        if (name[i] == L'.') return name.substr(i);
    }
    return {};
}

FileTypes::FileTypes() : hideKnownExtensions_(ReadsHideKnownExtensions())
{
    types_.emplace_back();  // kFolder
}

uint32_t FileTypes::Find(std::wstring_view extension)
{
    const CString key(extension);
    if (const auto found = byExtension_.find(key); found != byExtension_.end()) return found->second;

    Type type;
    type.extension = key;
    // The type's class names its rules: a shortcut's extension is never shown, a known type's only on request.
    const CString typeClass = key.empty() ? CString() : ClassValue(key, nullptr);
    if (!typeClass.empty()) {
        type.hideExtension = ClassHasValue(typeClass, L"NeverShowExt") ||
                             (hideKnownExtensions_ && !ClassHasValue(typeClass, L"AlwaysShowExt"));
        type.ownIcons = ClassValue(typeClass + L"\\DefaultIcon", nullptr).find(L"%1") != CString::npos ||
                        ClassKeyExists(typeClass + L"\\shellex\\IconHandler");
    }
    const auto index = static_cast<uint32_t>(types_.size());
    types_.push_back(std::move(type));
    byExtension_.emplace(key, index);
    return index;
}

const TypeLook& FileTypes::Look(uint32_t type)
{
    Type& entry = types_[type];
    if (!entry.looked) {
        entry.looked = true;
        if (type == kFolder) entry.look = LookUp(L"folder", FILE_ATTRIBUTE_DIRECTORY);
        else entry.look = LookUp(entry.extension.empty() ? L"file" : entry.extension.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    return entry.look;
}
