#pragma once
// How a file reaches its name. Every file this program writes (a text, a shortcut, a copy, the copy of
// a move across volumes) is first a TemporaryFile beside its final name:
//  1. Claim: the first free name "~" + final name + "." + n + ".tmp" (n from 1 to 100) is created new.
//     A file already there, one that a killed run left among them, is never opened, written or removed.
//     Where the volume refuses that name for its length, or all 100 are taken, a shorter form of the
//     final name is used when it has one. With every name taken the claim fails (ERROR_CANNOT_MAKE).
//  2. Write: the bytes go into the claimed file.
//  3. Commit: the bytes are flushed to the disk, then the file takes its final name in one rename with
//     write-through, never over a file of that name unless the caller says so. Another program that
//     reads the new file for a moment (a scanner) is waited for, up to two seconds.
// Dropped before its commit, it removes the file it claimed, and nothing else. So a final name never
// holds a cut-off file, and a run killed in the middle leaves a file that a person recognises.
#include <windows.h>

#include <cstddef>

#include "framework/handles.h"
#include "framework/strings.h"

// What a commit does with a file that already has the final name.
enum class ExistingFile { Replace, Keep };

class TemporaryFile {
public:
    TemporaryFile() = default;
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // 0 with the file open for writing, or the Windows code of the last attempt (ERROR_CANNOT_MAKE
    // where every name was taken).
    [[nodiscard]] DWORD Claim(const CString& finalPath);
    const CString& Path() const { return path_; }
    // Open from the claim until Close or Commit: for the writer's own settings (times, attributes).
    HANDLE Handle() const { return file_.get(); }
    // 0, or the Windows code; a short write is a full disk.
    [[nodiscard]] DWORD Write(const void* bytes, size_t size);
    // Lets another writer (the shell saving a shortcut) write the file by its path; it stays ours.
    void Close();
    // 0 once the flushed file has its final name; on failure it is still ours and goes when dropped.
    [[nodiscard]] DWORD Commit(ExistingFile existing);

private:
    CString final_, path_;
    unique_handle file_;
    bool claimed_ = false;  // path_ names our file until the commit has given it away
};

// Renames the file at path to the first free temporary name beside finalPath (never over a file):
// the way a file changes only the case of its name. The name it got, or the code and an empty path
// (ERROR_CANNOT_MAKE when every temporary name is taken, as for a claim).
struct AsideName {
    DWORD code = ERROR_SUCCESS;
    CString path;
};
[[nodiscard]] AsideName MoveAside(const CString& path, const CString& finalPath);

// Removes the file and checks on disk that it is gone, since some file systems (a read-only volume,
// an immutable file) report a removal that does not happen: 0, or the code of the failure (a file
// still there gives ERROR_ACCESS_DENIED). A file that another program holds open is not removed
// (ERROR_SHARING_VIOLATION) unless that program lets go within two seconds, as a scanner does.
[[nodiscard]] DWORD RemoveFileChecked(const CString& path);
// The same for a file of this run, read-only or not; a failure leaves it for the person to find.
void RemoveOwnFile(const CString& path);
