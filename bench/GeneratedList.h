// The benchmarks' word list: 1,000,000 entries of 1 to 14 letters, the same bytes on every run.
#pragma once

#include "Scramble.h"
#include "WordList.h"

#include <random>

inline WordList generatedList(int entries = 1'000'000)
{
    // A fixed seed and plain modulo draws, so no library's distribution changes the bytes.
    std::mt19937 rng(20261208);
    WordList list;
    for (int i = 0; i < entries; ++i) {
        std::string word(1 + rng() % 14, 'A');
        for (char &c : word)
            c = char('A' + rng() % 26);
        list.append(Crypte(word));
    }
    list.setWordListDirty(false);
    return list;
}
