#pragma once
// What the shell shows of each kind of file in one listing, worked out once per extension instead of once
// per file: whether the extension is left out of the name, the icon and the type text.
#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/strings.h"

struct TypeLook {
    int icon = 0;  // in the system's small image list
    CString text;  // "Folder", "MP3 File"...
};

class FileTypes {
public:
    static constexpr uint32_t kFolder = 0;

    // Reads the user's setting for the extensions of known types; a new listing makes a new object.
    FileTypes();

    // The type of files with this extension (as PathFindExtensionW gives it, "" for none), added the first
    // time it is asked for. Extensions are kept as written: the shell's text for an unknown type shows it.
    uint32_t Find(std::wstring_view extension);
    bool HidesExtension(uint32_t type) const { return types_[type].hideExtension; }
    // Files of the type show icons of their own (programs, shortcuts, icon files): each file is looked up.
    bool HasOwnIcons(uint32_t type) const { return types_[type].ownIcons; }
    // Looked up the first time it is asked for.
    const TypeLook& Look(uint32_t type);

private:
    struct Type {
        CString extension;
        bool hideExtension = false;
        bool ownIcons = false;
        bool looked = false;
        TypeLook look;
    };
    bool hideKnownExtensions_ = false;
    std::vector<Type> types_;
    std::unordered_map<CString, uint32_t> byExtension_;
};

// The extension of a file name as PathFindExtensionW finds it: from the last "." that no blank follows;
// empty when there is none.
std::wstring_view ExtensionOf(std::wstring_view name);
