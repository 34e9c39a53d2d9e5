// The player's name and the top ten, kept in Orvpendu.ini from one run to the next.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <string>
#include <string_view>

// One rank of the top ten: both texts as the file's 8-bit bytes; both empty for an empty rank.
struct TopTenEntry
{
    std::string name;
    std::string score;

    QString nameText() const;
    QString scoreText() const;
    bool operator==(const TopTenEntry &) const = default;
};

class ScoreFile
{
public:
    static constexpr int Ranks = 10;
    static constexpr std::size_t MaxScoreText = 255;
    // The name read from the file is cut like the score texts: it would otherwise grow at each run.
    static constexpr std::size_t MaxPlayerName = 255;
    // A top-ten name keeps far more than any the program writes, yet a huge line costs no memory.
    static constexpr std::size_t MaxEntryName = 4096;
    using Table = std::array<TopTenEntry, Ranks>;

    // The folder that holds the file; the program passes ".", so the file is named relative to the
    // current directory at each use.
    explicit ScoreFile(QString folder);

    const std::string &PlayerName() const { return m_playerName; }
    void setPlayerName(std::string name) { m_playerName = std::move(name); }
    QString playerNameText() const;
    // Stores storableName(name), characters Windows-1252 cannot hold as '?'; a name equal to
    // playerNameText() changes nothing.
    void setPlayerNameText(const QString &name);
    // The name as the file can keep it: control characters become spaces, since one would break
    // the name's line and a TAB its top-ten line.
    static QString storableName(QString name);

    // Rank 1 first.
    const Table &TopTen() const { return m_topTen; }

    // Reads the file silently, its first 11 lines only, each part cut to its bound; a missing file,
    // or anything but a regular file, leaves the name and the table empty.
    void LoadScoreFile();
    // Ranks the run's score under PlayerName. Only the first call of a run does anything.
    // Throws OrvError when a score text it has to compare is not an integer, leaving TopTen unchanged.
    void MeilleurScore(qint32 score);
    // Writes the file silently and atomically; does nothing unless LoadScoreFile has read it or
    // found no file. A folder that takes no new file keeps the old file whole, unwritten: a write in
    // place could be cut by a kill or a full disk, and lose the whole table for one run's entry.
    void SaveScoreFile() const;

private:
    QString filePath() const;
    QByteArray content() const;

    QString m_folder;
    std::string m_playerName;
    Table m_topTen;
    bool m_loaded = false;
    bool m_ranked = false;
};
