// The scrambling pair of the word file: one byte per character, keyed by its position.
#pragma once

#include <string>
#include <string_view>

namespace Scramble {
constexpr unsigned char Key = 0x0B;

// Position p counts from 1 and wraps modulo 256.
inline char cryptAt(char c, std::size_t p)
{
    return char(((static_cast<unsigned char>(c) ^ Key) + p) & 0xFF);
}

inline char decryptAt(char s, std::size_t p)
{
    return char(((static_cast<unsigned char>(s) - p) & 0xFF) ^ Key);
}
} // namespace Scramble

std::string Crypte(std::string_view word);
std::string Decrypte(std::string_view scrambled);
