// Matching is done on the scrambled bytes: each position scrambles on its own, so an entry
// shows a letter at p exactly when its byte there is that letter's scrambled form at p.
#include "WordSearch.h"

#include "Cp1252.h"
#include "Scramble.h"

#include <algorithm>

QStringList wordsMatching(const std::vector<Entry> &entries, std::string_view pattern)
{
    const std::size_t n = pattern.size();
    std::string wanted(n, '\0');
    std::vector<std::size_t> fixed;
    for (std::size_t i = 0; i < n; ++i) {
        if (pattern[i] == '.')
            continue;
        wanted[i] = Scramble::cryptAt(pattern[i], i + 1);
        fixed.push_back(i);
    }
    QStringList words;
    for (const Entry &e : entries) {
        if (e.size() != n)
            continue;
        bool match = true;
        for (std::size_t i : fixed)
            if (e[i] != wanted[i]) {
                match = false;
                break;
            }
        if (match)
            words.append(fromCp1252(Decrypte(e)));
    }
    return words;
}

QString countText(int count)
{
    return QString::number(count) + (count < 2 ? QStringLiteral(" mot") : QStringLiteral(" mots"));
}

int WordSearch::lengthFromText(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? value : MinLength;
}

int WordSearch::nearestLength(int value)
{
    return std::clamp(value, MinLength, MaxLength);
}

std::array<QChar, WordSearch::Cells> WordSearch::filledWithAnyLetter()
{
    std::array<QChar, Cells> cells;
    cells.fill(AnyLetter);
    return cells;
}

void WordSearch::Init(const WordList &list)
{
    m_copy = list.entries();
}

void WordSearch::FormClose()
{
    m_copy.clear();
    m_copy.shrink_to_fit();
}

bool WordSearch::selectCell(int position, int length)
{
    // Cells 1 to 6 are always open; the others only within the length.
    if (position < 1 || position > Cells || (position > MinLength && position > length))
        return false;
    m_selected = position;
    m_paletteShown = true;
    return true;
}

void WordSearch::Lettre(QChar character)
{
    if (m_selected >= 1 && m_selected <= Cells)
        m_cells[std::size_t(m_selected - 1)] = character;
    m_paletteShown = false;
}

void WordSearch::clearCells()
{
    m_cells = filledWithAnyLetter();
}

void WordSearch::search(int length)
{
    // Cells beyond the length are ignored, whatever they show.
    const int n = nearestLength(length);
    std::string pattern;
    for (int p = 1; p <= n; ++p)
        pattern += char(cell(p).unicode());
    m_results = wordsMatching(m_copy, pattern);
    m_countText = ::countText(int(m_results.size()));
}
