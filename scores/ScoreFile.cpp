// Reading, ranking into and writing the score file.
#include "ScoreFile.h"

#include "Cp1252.h"
#include "DataFile.h"
#include "ScoreValue.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <vector>

namespace {

const QString UsualName = QStringLiteral("Orvpendu.ini");

// A line ends at CR LF, CR or LF; a line end at the very end starts no further line.
std::vector<std::string_view> splitLines(std::string_view bytes)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

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
    const QByteArray bytes = file.readAll();
    setContent(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    // A file that could not be read whole is never written back over.
    m_loaded = file.error() == QFileDevice::NoError;
}

void ScoreFile::setContent(std::string_view bytes)
{
    // Ctrl-Z ends the file.
    bytes = bytes.substr(0, bytes.find('\x1A'));
    const std::vector<std::string_view> lines = splitLines(bytes);

    m_playerName = lines.empty() ? std::string() : std::string(lines.front().substr(0, MaxPlayerName));
    m_topTen = Table();
    // The rank is the line's place in the file, whether or not earlier lines held a TAB.
    const std::size_t last = std::min(lines.size(), std::size_t(Ranks) + 1);
    for (std::size_t line = 1; line < last; ++line) {
        const std::string_view text = lines[line];
        const std::size_t tab = text.find('\t');
        if (tab != std::string_view::npos)
            m_topTen[line - 1] = {std::string(text.substr(0, tab)), std::string(text.substr(tab + 1, MaxScoreText))};
    }
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
