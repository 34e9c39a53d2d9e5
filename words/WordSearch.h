// The word search's state: its copy of the list, the twelve pattern cells, the results and their count.
#pragma once

#include "WordList.h"

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <string_view>
#include <vector>

// The plain words of the pattern's length that show its letters where it has no '.', in list order.
QStringList wordsMatching(const std::vector<Entry> &entries, std::string_view pattern);

// "0 mot", "1 mot", "2 mots".
QString countText(int count);

class WordSearch
{
public:
    static constexpr int Cells = 12;
    static constexpr int MinLength = WordList::MinPlayable;
    static constexpr int MaxLength = WordList::MaxPlayable;
    static constexpr QChar AnyLetter = u'.';

    // The length field: a text that is not a whole number reads as 6; leaving it clamps to 6..12.
    static int lengthFromText(const QString &text);
    static int nearestLength(int value);

    // Replaces the copy with the list's entries; nothing else changes.
    void Init(const WordList &list);
    void FormClose();
    // The window is shown: the palette starts hidden.
    void FormShow() { m_paletteShown = false; }

    // A click on cell position (1..12) while the length field reads length; false when refused.
    bool selectCell(int position, int length);
    // A palette button: its character goes into the selected cell, and the palette hides.
    void Lettre(QChar character);
    // "C": every cell back to '.'; nothing else changes.
    void clearCells();
    // "Rechercher" with the length field's value.
    void search(int length);

    QChar cell(int position) const { return m_cells[std::size_t(position - 1)]; }
    int selectedCell() const { return m_selected; }
    bool paletteShown() const { return m_paletteShown; }
    const QStringList &results() const { return m_results; }
    QString countText() const { return m_countText; }
    int copyCount() const { return int(m_copy.size()); }

private:
    std::vector<Entry> m_copy;
    std::array<QChar, Cells> m_cells = filledWithAnyLetter();
    int m_selected = 0;
    bool m_paletteShown = false;
    QStringList m_results;
    QString m_countText;

    static std::array<QChar, Cells> filledWithAnyLetter();
};
