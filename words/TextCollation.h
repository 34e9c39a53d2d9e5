// The list's text comparison: case-insensitive French collation of Windows-1252 text.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

// Negative, zero or positive, as a sorts before, with or after b.
int compareText(std::string_view a, std::string_view b);
bool equalText(std::string_view a, std::string_view b);

// compareText(Decrypte(a), Decrypte(b)) without building the plain strings.
int comparePlainOfScrambled(std::string_view a, std::string_view b);

// True when every character is printable ASCII (space to tilde): such strings are equal
// under the list's comparison exactly when they match without regard to case.
// Inline: the lookup calls both once per entry of the list.
inline bool isPrintableAscii(std::string_view s)
{
    // Eight bytes at a time: a byte below 0x20, at 0x7F or above sets its top bit in one of the terms.
    constexpr std::uint64_t Ones = 0x0101010101010101ULL, Tops = 0x8080808080808080ULL;
    const auto bad = [](std::uint64_t w) { return ((w | (w - 0x20 * Ones) | (w + Ones)) & Tops) != 0; };
    std::size_t i = 0;
    std::uint64_t w;
    for (; i + 8 <= s.size(); i += 8) {
        std::memcpy(&w, s.data() + i, 8);
        if (bad(w))
            return false;
    }
    w = 0x4141414141414141ULL; // the tail is padded with 'A'
    std::memcpy(&w, s.data() + i, s.size() - i);
    return !bad(w);
}

inline bool equalIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]), y = static_cast<unsigned char>(b[i]);
        if (x != y && ((x | 0x20) != (y | 0x20) || unsigned((x | 0x20) - 'a') > 25u))
            return false;
    }
    return true;
}

// The collator alone, without the fast paths; tests hold the fast paths to it.
int collatorCompare(std::string_view a, std::string_view b);
