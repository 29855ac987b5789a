#pragma once
// A fresh folder under the temporary folder for one test, removed with everything in it afterwards.
#include <set>
#include <string>

#include "framework/handles.h"
#include "framework/strings.h"

class TempFolder {
public:
    // The label only makes a left-over folder easier to place; the process id and a counter keep it unique.
    explicit TempFolder(const CString& label = L"");
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const CString& Path() const { return path_; }  // ends in '\'

    // Writes the file at name inside the folder, sub-folders included, and gives its full path.
    CString Write(const CString& name, const std::string& bytes = "") const;
    // The names in the folder itself or in its sub-folder (ending in "\"), in their exact case.
    std::set<CString> List(const CString& sub = L"") const;

    static std::string ReadBytes(const CString& path);  // "(unreadable)" when the file cannot be read
    static bool Exists(const CString& path);
    // Opened without sharing, as a player may hold a file: no one else reads, moves or replaces it.
    static unique_handle Lock(const CString& path);

private:
    CString path_;
};
