#pragma once
// Names of the generated collection, derived from a number alone so that a playlist can name any
// song without a list of them, and the spelling faults that the generated playlists carry.
#include <cstdint>

#include "framework/strings.h"

// A well-mixed 64-bit value of the input (the splitmix64 finaliser).
uint64_t Mix(uint64_t value);
// "Artist Name - Song Title 00042": words chosen and cased (capital, small, all capital, mixed) by the number.
CString SongStem(int64_t number, int32_t width);
// The name with one blank doubled or dropped, or one added before the extension; the name must hold a blank.
CString WithWrongBlanks(const CString& name, uint64_t random);
// The text with some of its ASCII letters (at least one) in the other case.
CString WithWrongCase(const CString& text, uint64_t random);
