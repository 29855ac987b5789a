#pragma once
// The pieces of a path, found by its last "." or "\" in the whole text (drives and folders are not special).
#include "framework/strings.h"

CString GetExtension(const CString& path);     // from the last "." on, dot included
CString StripExtension(const CString& path);   // before the last "."
CString GetFileNamePart(const CString& path);  // after the last "\"
CString GetFolderPart(const CString& path);    // up to and including the last "\"
