// Crypte and Decrypte: exact inverses for every string of bytes.
#include "Scramble.h"

std::string Crypte(std::string_view word)
{
    std::string out(word.size(), '\0');
    for (std::size_t i = 0; i < word.size(); ++i)
        out[i] = Scramble::cryptAt(word[i], i + 1);
    return out;
}

std::string Decrypte(std::string_view scrambled)
{
    std::string out(scrambled.size(), '\0');
    for (std::size_t i = 0; i < scrambled.size(); ++i)
        out[i] = Scramble::decryptAt(scrambled[i], i + 1);
    return out;
}
