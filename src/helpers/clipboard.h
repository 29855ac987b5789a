#pragma once
// Text on the clipboard, owned by the main window.
#include "framework/strings.h"

// Puts the text on the clipboard as Unicode text; a failure leaves the clipboard as it was, silently.
void SetClipboardText(const CString& text);
// The clipboard's Unicode text (its ANSI text only when it has no Unicode text), the empty text when
// there is none or it cannot be read, or "Windows Error Code: " + the code when it cannot be opened.
CString GetClipboardText();
