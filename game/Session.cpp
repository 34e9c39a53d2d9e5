// The start-up loading and the shut-down ranking and saving of a run.
#include "Session.h"

#include <QDir>

Session::Session(const QString &folder, RandomSource &random)
    : m_folder(folder)
    , m_scores(folder)
    , m_rules(m_wordList, random)
{
}

QString Session::wordFilePath() const
{
    return QDir(m_folder).filePath(QStringLiteral("Pendu.dat"));
}

void Session::startUp()
{
    m_wordList.load(wordFilePath());
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
