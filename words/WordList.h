// The game's vocabulary: scrambled entries as stored in Pendu.dat, and the flag that asks for a save.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

using Entry = std::string;

class WordList
{
public:
    static constexpr int MinPlayable = 6;
    static constexpr int MaxPlayable = 12;
    // What a line of the file keeps, far above any playable word: a huge line costs no memory.
    static constexpr std::size_t MaxKeptLine = 255;

    int count() const { return int(m_entries.size()); }
    bool isEmpty() const { return m_entries.empty(); }
    const Entry &at(int i) const { return m_entries[std::size_t(i)]; }
    const std::vector<Entry> &entries() const { return m_entries; }

    // Changes made while the program runs; each sets WordListDirty.
    void append(Entry scrambled);
    void removeAt(int i);

    bool WordListDirty() const { return m_dirty; }
    void setWordListDirty(bool dirty) { m_dirty = dirty; }

    // Replaces the content with the lines of the file, each cut to MaxKeptLine; throws OrvError
    // "Ne peut ouvrir le fichier …", also for anything but a regular file. Any failure, no memory
    // included, leaves the list empty and an existing file unread.
    void load(const QString &path);
    // Writes every entry followed by CR LF, atomically: a failed save leaves the old file whole.
    // Throws OrvError "Ne peut créer le fichier …", "Erreur d'écriture dans le flux", the text that
    // names the folder when only a write in place could save it, and unreadFileText() when the
    // last load failed on a file that is there.
    void save(const QString &path) const;

    // The last load failed on something that exists: a list saved over it would lose its words,
    // so the list is neither changed by the player nor saved.
    bool fileUnread() const { return m_fileUnread; }
    // For a load that failed before it could start (no memory even for the file's name): the
    // list is emptied, and whatever file is there stays unread.
    void markUnread();
    static QString unreadFileText();

    // The file's bytes, without the file: what load reads and save writes.
    void setContent(std::string_view bytes);
    QByteArray content() const;

    // Drops entries of fewer than 6 or more than 12 characters, keeping the order of the rest.
    void Verifie();
    // Sorts by plain text under the list's comparison; only the order of the entries changes.
    void Tri();
    // Index of the first entry equal to the scrambled form under the list's comparison, or -1.
    int indexOf(std::string_view scrambled) const;

private:
    class LineSplitter;
    bool isSortedBefore(std::size_t end) const;

    std::vector<Entry> m_entries;
    bool m_dirty = false;
    bool m_fileUnread = false;
    // Every entry is printable ASCII, so the lookup needs no collator; kept true only while known.
    bool m_printableOnly = true;
};
