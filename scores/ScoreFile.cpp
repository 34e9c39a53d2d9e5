// Reading, ranking into and writing the score file.
#include "ScoreFile.h"

#include "Cp1252.h"
#include "DataFile.h"
#include "ScoreValue.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const QString UsualName = QStringLiteral("Orvpendu.ini");

// The first lines of the file, block after block: a line ends at CR LF, CR or LF, a line end at
// the very end starts no further line, and Ctrl-Z ends the file. Each line keeps a bounded part:
// the text before its first TAB up to nameRoom bytes, the text after it up to MaxScoreText bytes.
class LineReader
{
public:
    struct Line
    {
        std::string name;
        std::string score;
        bool tab = false;
    };

    LineReader(std::size_t lineCount, std::size_t firstNameRoom, std::size_t nameRoom)
        : m_lineCount(lineCount), m_firstNameRoom(firstNameRoom), m_nameRoom(nameRoom)
    {
    }

    // False once no further byte can change what is kept.
    bool feed(std::string_view bytes)
    {
        for (std::size_t i = 0; i < bytes.size() && !m_done; ++i) {
            const char c = bytes[i];
            if (m_afterCr && c == '\n') {
                m_afterCr = false;
                continue;
            }
            m_afterCr = false;
            if (c == '\x1A') {
                finish();
                m_done = true;
            } else if (c == '\r' || c == '\n') {
                m_open = true;
                endLine();
                m_afterCr = c == '\r';
            } else if (c != '\t' && full()) {
                // Nothing more of this part is kept: on to the next byte that ends it.
                i = nextStop(bytes, i) - 1;
                m_open = true;
            } else {
                take(c);
            }
        }
        return !m_done;
    }

    bool zeros(qint64 count)
    {
        m_afterCr = false;
        m_open = m_open || (count > 0 && !m_done);
        for (qint64 i = 0; i < count && !m_done && !full(); ++i)
            take('\0');
        return !m_done;
    }

    void finish()
    {
        if (m_open && !m_done)
            endLine();
        m_done = true;
    }

    const std::vector<Line> &lines() const { return m_lines; }

private:
    std::size_t room() const { return m_lines.empty() ? m_firstNameRoom : m_nameRoom; }
    bool full() const { return m_current.tab ? m_current.score.size() >= ScoreFile::MaxScoreText
                                             : m_current.name.size() >= room(); }

    std::size_t nextStop(std::string_view bytes, std::size_t from) const
    {
        const bool tabStops = !m_current.tab && !m_lines.empty();
        std::size_t stop = bytes.size();
        for (const char c : {'\r', '\n', '\x1A', '\t'}) {
            if (c == '\t' && !tabStops)
                continue;
            const void *found = std::memchr(bytes.data() + from, c, stop - from);
            if (found)
                stop = std::size_t(static_cast<const char *>(found) - bytes.data());
        }
        return stop;
    }

    void take(char c)
    {
        m_open = true;
        if (!m_current.tab && c == '\t' && !m_lines.empty())
            m_current.tab = true;
        else if (!full())
            (m_current.tab ? m_current.score : m_current.name) += c;
    }

    void endLine()
    {
        m_lines.push_back(std::move(m_current));
        m_current = Line();
        m_open = false;
        m_done = m_lines.size() >= m_lineCount;
    }

    std::size_t m_lineCount;
    std::size_t m_firstNameRoom;
    std::size_t m_nameRoom;
    std::vector<Line> m_lines;
    Line m_current;
    bool m_open = false;
    bool m_afterCr = false;
    bool m_done = false;
};

qint32 rankingValue(const TopTenEntry &entry)
{
    return entry.score.empty() ? 0 : scoreValue(entry.score);
}

} // namespace

QString TopTenEntry::nameText() const
{
    return fromCp1252(name);
}

QString TopTenEntry::scoreText() const
{
    return fromCp1252(score);
}

ScoreFile::ScoreFile(QString folder) : m_folder(std::move(folder))
{
}

QString ScoreFile::playerNameText() const
{
    return fromCp1252(m_playerName);
}

void ScoreFile::setPlayerNameText(const QString &name)
{
    // An unchanged name keeps its bytes as read, control characters included.
    if (name == playerNameText())
        return;
    m_playerName = toCp1252(storableName(name));
}

QString ScoreFile::storableName(QString name)
{
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = u' ';
    }
    return name;
}

// Any file of the folder named like the usual name in another case is the score file;
// the usual spelling wins when there are several.
QString ScoreFile::filePath() const
{
    const QDir dir(m_folder);
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    QString found;
    for (const QString &name : files) {
        if (name.compare(UsualName, Qt::CaseInsensitive) != 0)
            continue;
        if (found.isEmpty() || name == UsualName)
            found = name;
    }
    return dir.filePath(found.isEmpty() ? UsualName : found);
}

void ScoreFile::LoadScoreFile()
{
    const QString path = filePath();
    if (DataFile::kindOf(path) == DataFile::Kind::Missing) {
        m_loaded = true;
        return;
    }
    // Anything but a regular file reads as no file, and is never written over.
    QFile file;
    if (!DataFile::openForReading(file, path))
        return;
    // The name line, whole, is the player's name: a TAB there is part of it.
    LineReader reader(std::size_t(Ranks) + 1, MaxPlayerName, MaxEntryName);
    const bool read = DataFile::readBlocks(
        file, [&reader](std::string_view block) { return reader.feed(block); },
        [&reader](qint64 count) { return reader.zeros(count); });
    reader.finish();
    const std::vector<LineReader::Line> &lines = reader.lines();
    m_playerName = lines.empty() ? std::string() : lines.front().name;
    m_topTen = Table();
    // The rank is the line's place in the file, whether or not earlier lines held a TAB.
    for (std::size_t line = 1; line < lines.size(); ++line) {
        if (lines[line].tab)
            m_topTen[line - 1] = {lines[line].name, lines[line].score};
    }
    // A file that could not be read whole is never written back over.
    m_loaded = read;
}

void ScoreFile::MeilleurScore(qint32 score)
{
    // Marked before the scan: a closing tried again after a failure must not rank the run a second time.
    if (m_ranked)
        return;
    m_ranked = true;
    for (int k = 0; k < Ranks; ++k) {
        // Entries below the stopping point are never converted.
        if (rankingValue(m_topTen[std::size_t(k)]) <= score) {
            std::move_backward(m_topTen.begin() + k, m_topTen.end() - 1, m_topTen.end());
            m_topTen[std::size_t(k)] = {m_playerName, std::to_string(score)};
            return;
        }
    }
}

QByteArray ScoreFile::content() const
{
    QByteArray bytes;
    const auto append = [&bytes](const std::string &text) { bytes.append(text.data(), qsizetype(text.size())); };
    append(m_playerName);
    bytes.append("\r\n");
    for (const TopTenEntry &entry : m_topTen) {
        append(entry.name);
        bytes.append('\t');
        append(entry.score);
        bytes.append("\r\n");
    }
    return bytes;
}

void ScoreFile::SaveScoreFile() const
{
    if (m_loaded)
        DataFile::save(filePath(), content());
}
