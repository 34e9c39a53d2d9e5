// The start-up loading and the shut-down ranking and saving of a run.
#include "Session.h"

#include "OrvError.h"

#include <QDir>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <vector>

namespace {

// The sessions alive, in the order they were made.
std::vector<Session *> &liveSessions()
{
    static std::vector<Session *> sessions;
    return sessions;
}

} // namespace

Session::Session(const QString &folder, RandomSource &random)
    : m_folder(folder)
    , m_scores(folder)
    , m_rules(m_wordList, random)
{
    liveSessions().push_back(this);
}

Session::~Session()
{
    std::vector<Session *> &sessions = liveSessions();
    sessions.erase(std::remove(sessions.begin(), sessions.end(), this), sessions.end());
}

QString Session::wordFilePath() const
{
    return QDir(m_folder).filePath(QStringLiteral("Pendu.dat"));
}

void Session::startUp()
{
    try {
        m_wordList.load(wordFilePath());
    } catch (const OrvError &) {
        throw;
    } catch (...) {
        // Whatever ended the load, even before it began, no list is ever saved over the file.
        if (!m_wordList.fileUnread())
            m_wordList.markUnread();
        throw;
    }
    m_wordFileLoaded = true;
    m_wordList.Verifie();
    m_scores.LoadScoreFile();
    // Entries dropped by the length filter alone do not rewrite the file.
    m_wordList.setWordListDirty(false);
    m_rules.startUp();
}

bool Session::shutDown(const Guard &guard)
{
    // A score text that cannot be read leaves the table as it was; the score file is written all
    // the same. Only the first call of a run ranks.
    guard([this] { m_scores.MeilleurScore(m_rules.totals().Score); });
    m_scores.SaveScoreFile();
    if (!m_wordList.WordListDirty())
        return true;
    return guard([this] { m_wordList.save(wordFilePath()); });
}

void Session::shutDownAllAtExit()
{
    const Guard toStandardError = [](const std::function<void()> &step) {
        try {
            step();
            return true;
        } catch (const OrvError &e) {
            std::fprintf(stderr, "Orv Pendu : %s\n", e.what());
        } catch (const std::exception &e) {
            std::fprintf(stderr, "Orv Pendu : %s\n", e.what());
        }
        return false;
    };
    for (Session *session : std::vector<Session *>(liveSessions()))
        session->shutDown(toStandardError);
}
