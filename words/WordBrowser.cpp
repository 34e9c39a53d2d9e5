// Selecting words by initial letter from the scrambled first character alone.
#include "WordBrowser.h"

#include "Cp1252.h"
#include "Scramble.h"

QStringList wordsStartingWith(const std::vector<Entry> &entries, char letter)
{
    // Position 1 scrambles on its own, so the first byte tells the first letter.
    const char first = Scramble::cryptAt(letter, 1);
    QStringList words;
    for (const Entry &e : entries)
        if (!e.empty() && e.front() == first)
            words.append(fromCp1252(Decrypte(e)));
    return words;
}

QStringList WordBrowser::Init(const WordList &list)
{
    m_copy = list.entries();
    return AffMots('A');
}

QStringList WordBrowser::AffMots(char letter)
{
    m_letter = letter;
    return wordsStartingWith(m_copy, m_letter);
}

QStringList WordBrowser::next()
{
    return AffMots(m_letter < 'Z' ? char(m_letter + 1) : 'Z');
}

QStringList WordBrowser::previous()
{
    return AffMots(m_letter > 'A' ? char(m_letter - 1) : 'A');
}

void WordBrowser::FormClose()
{
    m_copy.clear();
    m_copy.shrink_to_fit();
}
