// Loading, filtering, sorting, searching and saving the word list.
#include "WordList.h"

#include "DataFile.h"
#include "OrvError.h"
#include "TextCollation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>

namespace {

QString shownName(const QString &path)
{
    return QFileInfo(path).fileName();
}

} // namespace

void WordList::append(Entry scrambled)
{
    m_printableOnly = m_printableOnly && isPrintableAscii(scrambled);
    m_entries.push_back(std::move(scrambled));
    m_dirty = true;
}

void WordList::removeAt(int i)
{
    m_entries.erase(m_entries.begin() + i);
    m_dirty = true;
}

// Cuts bytes into entries, block after block: a line ends at CR LF, CR or LF, and a zero byte
// ends the text. Each entry keeps at most maxKept bytes of its line.
class WordList::LineSplitter
{
public:
    LineSplitter(WordList &list, std::size_t maxKept) : m_list(list), m_maxKept(maxKept)
    {
        m_list.m_entries.clear();
        m_list.m_printableOnly = true;
    }

    // False once a zero byte has ended the text.
    bool feed(std::string_view bytes)
    {
        const std::size_t zero = bytes.find('\0');
        const bool ended = zero != std::string_view::npos;
        bytes = bytes.substr(0, zero);
        const char *p = bytes.data();
        const char *const end = p + bytes.size();
        // The LF of a CR LF cut between two blocks.
        if (m_afterCr && p < end && *p == '\n')
            ++p;
        m_afterCr = false;
        const char *start = p;
        while (p < end) {
            const char c = *p;
            if (c >= 0x20 && c < 0x7F) {
                ++p;
                continue;
            }
            if (c != '\r' && c != '\n') {
                m_list.m_printableOnly = false;
                ++p;
                continue;
            }
            endLine(start, p);
            if (c == '\r' && p + 1 == end)
                m_afterCr = true;
            // CR LF is one line end; LF CR is two.
            p += (c == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
            start = p;
        }
        keep(start, end);
        if (ended)
            finish();
        return !ended;
    }

    // A last line without a line end is still an entry.
    void finish()
    {
        if (m_open)
            m_list.m_entries.push_back(std::move(m_line));
        m_open = false;
    }

private:
    void keep(const char *start, const char *end)
    {
        if (start == end)
            return;
        m_open = true;
        const std::size_t room = m_maxKept - std::min(m_maxKept, m_line.size());
        m_line.append(start, std::min(std::size_t(end - start), room));
    }

    void endLine(const char *start, const char *end)
    {
        if (!m_open && std::size_t(end - start) <= m_maxKept) {
            m_list.m_entries.emplace_back(start, end);
            return;
        }
        keep(start, end);
        m_list.m_entries.push_back(std::move(m_line));
        m_line.clear();
        m_open = false;
    }

    WordList &m_list;
    std::size_t m_maxKept;
    Entry m_line;
    bool m_open = false;
    bool m_afterCr = false;
};

void WordList::load(const QString &path)
{
    // Whatever ends the reading, no memory included, the words not read are never saved over.
    const auto cannotOpen = [&path] { return OrvError(QStringLiteral("Ne peut ouvrir le fichier %1").arg(shownName(path))); };
    try {
        QFile file;
        if (!DataFile::openForReading(file, path))
            throw cannotOpen();
        LineSplitter lines(*this, MaxKeptLine);
        // Room for the usual lines of 8 bytes and more, so that the list grows without copies; a
        // zero byte ends the text, so a hole's bytes never become entries.
        constexpr qint64 MostReserved = 1 << 24;
        m_entries.reserve(std::size_t(std::min(DataFile::leadingData(file) / 8, MostReserved)));
        const auto bytes = [&lines](std::string_view block) { return lines.feed(block); };
        // A hole reads as zero bytes, and the first one ends the text.
        const auto hole = [&lines](qint64) { return lines.feed(std::string_view("", 1)); };
        if (!DataFile::readBlocks(file, bytes, hole))
            throw cannotOpen();
        lines.finish();
    } catch (...) {
        std::vector<Entry>().swap(m_entries);
        // Only a missing file may be created anew; anything else there holds what this list never got.
        m_fileUnread = DataFile::kindOf(path) != DataFile::Kind::Missing;
        throw;
    }
    m_fileUnread = false;
}

void WordList::markUnread()
{
    std::vector<Entry>().swap(m_entries);
    m_fileUnread = true;
}

QString WordList::unreadFileText()
{
    return QStringLiteral("Le fichier Pendu.dat n'a pas pu être lu : la liste de mots ne peut être modifiée");
}

void WordList::setContent(std::string_view bytes)
{
    LineSplitter lines(*this, std::string::npos);
    m_entries.reserve(bytes.size() / 8);
    if (lines.feed(bytes))
        lines.finish();
}

QByteArray WordList::content() const
{
    qsizetype size = 0;
    for (const Entry &e : m_entries)
        size += qsizetype(e.size()) + 2;
    QByteArray bytes(size, Qt::Uninitialized);
    char *out = bytes.data();
    for (const Entry &e : m_entries) {
        std::memcpy(out, e.data(), e.size());
        out += e.size();
        *out++ = '\r';
        *out++ = '\n';
    }
    return bytes;
}

void WordList::save(const QString &path) const
{
    if (m_fileUnread)
        throw OrvError(unreadFileText());
    switch (DataFile::save(path, content())) {
    case DataFile::SaveResult::Saved: return;
    case DataFile::SaveResult::FolderNotWritable:
        throw OrvError(QStringLiteral("Le fichier %1 ne peut être enregistré sans risque de le perdre : le dossier "
                                      "\u00AB\u00A0%2\u00A0\u00BB n'accepte pas de nouveau fichier")
                           .arg(shownName(path), QDir::toNativeSeparators(DataFile::folderOf(path))));
    case DataFile::SaveResult::NotCreated:
        throw OrvError(QStringLiteral("Ne peut créer le fichier %1").arg(shownName(path)));
    case DataFile::SaveResult::WriteFailed: throw OrvError(QStringLiteral("Erreur d'écriture dans le flux"));
    }
}

void WordList::Verifie()
{
    const auto unplayable = [](const Entry &e) {
        return e.size() < std::size_t(MinPlayable) || e.size() > std::size_t(MaxPlayable);
    };
    const auto kept = std::remove_if(m_entries.begin(), m_entries.end(), unplayable);
    if (kept != m_entries.end()) {
        m_entries.erase(kept, m_entries.end());
        m_dirty = true;
    }
}

bool WordList::isSortedBefore(std::size_t end) const
{
    for (std::size_t i = 1; i < end; ++i)
        if (comparePlainOfScrambled(m_entries[i - 1], m_entries[i]) > 0)
            return false;
    return true;
}

void WordList::Tri()
{
    const std::size_t n = m_entries.size();
    if (n < 2)
        return;
    const auto less = [](const Entry &a, const Entry &b) { return comparePlainOfScrambled(a, b) < 0; };
    // The usual case: one word appended to a list that was sorted; it only needs its place.
    if (isSortedBefore(n - 1)) {
        const auto place = std::upper_bound(m_entries.begin(), m_entries.end() - 1, m_entries.back(), less);
        std::rotate(place, m_entries.end() - 1, m_entries.end());
        return;
    }
    std::sort(m_entries.begin(), m_entries.end(), less);
}

int WordList::indexOf(std::string_view scrambled) const
{
    if (!isPrintableAscii(scrambled)) {
        for (std::size_t i = 0; i < m_entries.size(); ++i)
            if (equalText(m_entries[i], scrambled))
                return int(i);
        return -1;
    }
    // The usual case: an entry that matches a printable query without regard to case is
    // printable too, and any other printable entry differs; only the rest needs the collator.
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        const Entry &e = m_entries[i];
        if (equalIgnoringAsciiCase(e, scrambled))
            return int(i);
        if (!m_printableOnly && !isPrintableAscii(e) && collatorCompare(e, scrambled) == 0)
            return int(i);
    }
    return -1;
}
