#include "song_names.h"

#include <array>
#include <cwctype>

#include "helpers/strings.h"

namespace {

constexpr std::array<const wchar_t*, 24> kArtistWords = {
    L"blue", L"river", L"night", L"electric", L"silver", L"golden", L"crystal", L"velvet",
    L"northern", L"lonely", L"broken", L"wild", L"hollow", L"paper", L"iron", L"neon",
    L"desert", L"ocean", L"midnight", L"summer", L"falcon", L"orchestra", L"brothers", L"garden"};
constexpr std::array<const wchar_t*, 32> kTitleWords = {
    L"love", L"rain", L"heart", L"city", L"dream", L"fire", L"light", L"road",
    L"song", L"time", L"home", L"star", L"shadow", L"morning", L"dance", L"letter",
    L"window", L"train", L"winter", L"angel", L"mirror", L"storm", L"highway", L"thunder",
    L"memory", L"island", L"whisper", L"promise", L"echo", L"harbour", L"lantern", L"sunset"};

// One of four spellings of a word: capital first letter, all small, all capital, or mixed.
CString CasedWord(const wchar_t* word, uint64_t random)
{
    CString text = word;
    switch (random % 8) {
    case 0: return text;
    case 1: return ToUpperAscii(text);
    case 2:
        text[0] = static_cast<wchar_t>(towupper(text[0]));
        if (text.size() > 3) text[2] = static_cast<wchar_t>(towupper(text[2]));
        return text;
    default: text[0] = static_cast<wchar_t>(towupper(text[0])); return text;
    }
}

bool IsAsciiLetter(wchar_t c)
{
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

wchar_t OtherCase(wchar_t c)
{
    return static_cast<wchar_t>(c ^ 0x20);
}

}  // namespace

uint64_t Mix(uint64_t value)
{
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

CString SongStem(int64_t number, int32_t width)
{
    const uint64_t random = Mix(static_cast<uint64_t>(number));
    CString stem;
    stem += CasedWord(kArtistWords[random % kArtistWords.size()], random >> 40);
    stem += L' ';
    stem += CasedWord(kArtistWords[(random >> 8) % kArtistWords.size()], random >> 44);
    stem += L" - ";
    stem += CasedWord(kTitleWords[(random >> 16) % kTitleWords.size()], random >> 48);
    stem += L' ';
    stem += CasedWord(kTitleWords[(random >> 24) % kTitleWords.size()], random >> 52);
    if ((random >> 32) % 2 == 0) {
        stem += L' ';
        stem += CasedWord(kTitleWords[(random >> 34) % kTitleWords.size()], random >> 56);
    }
    stem += L' ';
    stem += PadNumber(number, width);
    return stem;
}

CString WithWrongBlanks(const CString& name, uint64_t random)
{
    const size_t dot = name.rfind(L'.');
    if (random % 3 == 2 && dot != CString::npos) return name.substr(0, dot) + L" " + name.substr(dot);
    const int32_t blanks = CountOccurrences(name, L" ");
    auto chosen = static_cast<int32_t>((random >> 8) % static_cast<uint64_t>(blanks));
    size_t at = name.find(L' ');
    for (; chosen > 0; --chosen) at = name.find(L' ', at + 1);
    CString wrong = name;
    if (random % 3 == 0) wrong.insert(at, 1, L' ');
    else wrong.erase(at, 1);
    return wrong;
}

CString WithWrongCase(const CString& text, uint64_t random)
{
    CString wrong = text;
    bool flipped = false;
    for (size_t i = 0; i < wrong.size(); ++i) {
        if (!IsAsciiLetter(wrong[i]) || Mix(random + i) % 4 != 0) continue;
        wrong[i] = OtherCase(wrong[i]);
        flipped = true;
    }
    if (flipped) return wrong;
    for (wchar_t& c : wrong) {
        if (!IsAsciiLetter(c)) continue;
        c = OtherCase(c);
        break;
    }
    return wrong;
}
