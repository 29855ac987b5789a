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
    // The same inside root (ending in "\\") instead of the temporary folder.
    TempFolder(const CString& label, const CString& root);
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
    // Opened without sharing, as a player may hold a file: no one else reads, moves or replaces it. A
    // folder held so cannot be listed.
    static unique_handle Lock(const CString& path);
    // Writes the file under exactly this name, also beside a name equal but for letter case, as programs
    // outside Windows may (Wine takes a name in its \\?\unix\ form as written).
    CString WriteTwin(const CString& name, const std::string& bytes) const;

    // The root of a small volume that the test script mounted, other than the temporary folder's, or
    // empty when the run has none: "OTHER" (room for small files), "FULL" (256 KiB in all) or
    // "READONLY" (mounted read-only, holding song.mp3 "R", song#1.mp3 "N" and @song.mp3 "U").
    static CString Volume(const char* name);

private:
    CString path_;
};
