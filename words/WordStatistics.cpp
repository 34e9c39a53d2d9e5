// Lengths are read from the scrambled entries: scrambling keeps one byte per letter.
#include "WordStatistics.h"

WordCounts countWords(const WordList &list)
{
    WordCounts counts;
    counts.total = list.count();
    for (const Entry &e : list.entries()) {
        const std::size_t n = e.size();
        if (n >= std::size_t(WordList::MinPlayable) && n <= std::size_t(WordList::MaxPlayable))
            ++counts.byLength[n - WordList::MinPlayable];
    }
    return counts;
}

std::array<QString, 8> statisticsLines(const WordCounts &counts)
{
    std::array<QString, 8> lines;
    lines[0] = QStringLiteral("Nombre de mots : %1").arg(counts.total);
    for (int n = WordList::MinPlayable; n <= WordList::MaxPlayable; ++n)
        lines[std::size_t(n - WordList::MinPlayable + 1)] =
            QStringLiteral("Mots de %1 lettres : %2").arg(n).arg(counts.ofLength(n));
    return lines;
}
