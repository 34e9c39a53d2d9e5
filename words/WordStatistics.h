// Counting the list's words in all and by playable length, without unscrambling them.
#pragma once

#include "WordList.h"

#include <QString>
#include <array>

struct WordCounts
{
    int total = 0;
    // Index 0 holds the 6-letter words, index 6 the 12-letter ones.
    std::array<int, WordList::MaxPlayable - WordList::MinPlayable + 1> byLength{};

    int ofLength(int letters) const { return byLength[std::size_t(letters - WordList::MinPlayable)]; }
};

WordCounts countWords(const WordList &list);

// The eight lines of the statistics window, top to bottom: the total, then 6 to 12 letters.
std::array<QString, 8> statisticsLines(const WordCounts &counts);
