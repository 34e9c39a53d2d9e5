// The dictionary browser's state: its own copy of the list and the letter whose words are shown.
#pragma once

#include "WordList.h"

#include <QStringList>
#include <vector>

// The plain words whose first character is letter, in list order; only those are unscrambled.
QStringList wordsStartingWith(const std::vector<Entry> &entries, char letter);

class WordBrowser
{
public:
    // Takes a copy of the list and returns the "A" words.
    QStringList Init(const WordList &list);
    // Makes letter the current one and returns its words.
    QStringList AffMots(char letter);
    // One letter forward or back, staying within A to Z.
    QStringList next();
    QStringList previous();
    // The window closes: the copy is emptied.
    void FormClose();

    char letter() const { return m_letter; }
    int copyCount() const { return int(m_copy.size()); }

private:
    std::vector<Entry> m_copy;
    char m_letter = 'A';
};
