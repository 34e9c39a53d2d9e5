// Loading, filtering, sorting, searching and saving the word list.
#include "WordList.h"

#include "DataFile.h"
#include "OrvError.h"
#include "TextCollation.h"

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

void WordList::load(const QString &path)
{
    QFile file;
    const auto fail = [&] {
        m_entries.clear();
        // Only a missing file may be created anew; anything else there holds what this list never got.
        m_fileUnread = DataFile::kindOf(path) != DataFile::Kind::Missing;
        return OrvError(QStringLiteral("Ne peut ouvrir le fichier %1").arg(shownName(path)));
    };
    if (!DataFile::openForReading(file, path))
        throw fail();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw fail();
    setContent(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    m_fileUnread = false;
}

QString WordList::unreadFileText()
{
    return QStringLiteral("Le fichier Pendu.dat n'a pas pu être lu : la liste de mots ne peut être modifiée");
}

void WordList::setContent(std::string_view bytes)
{
    // A zero byte ends the text. find() also takes the empty view without data, which memchr may not.
    bytes = bytes.substr(0, bytes.find('\0'));

    m_entries.clear();
    m_entries.reserve(bytes.size() / 8);
    m_printableOnly = true;
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    const char *start = p;
    while (p < end) {
        const char c = *p;
        if (c >= 0x20 && c < 0x7F) {
            ++p;
            continue;
        }
        if (c != '\r' && c != '\n') {
            m_printableOnly = false;
            ++p;
            continue;
        }
        m_entries.emplace_back(start, p);
        // CR LF is one line end; LF CR is two.
        p += (c == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
        start = p;
    }
    if (start < end)
        m_entries.emplace_back(start, end);
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
