// One run of the game without its windows: the word list, the score file, the rules and their
// random source, and what the run does first and last, in that order.
#pragma once

#include "GameRules.h"
#include "ScoreFile.h"
#include "WordList.h"

#include <QString>
#include <functional>

class RandomSource;

class Session
{
public:
    // Runs one step and reports what it throws; returns false when the step threw.
    using Guard = std::function<bool(const std::function<void()> &step)>;

    // The data files live in folder, named relative to the current directory at each use when it
    // is relative. random must outlive the session.
    Session(const QString &folder, RandomSource &random);
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    WordList &wordList() { return m_wordList; }
    GameRules &rules() { return m_rules; }
    ScoreFile &scores() { return m_scores; }
    bool wordFileLoaded() const { return m_wordFileLoaded; }

    // Loads Pendu.dat, drops the entries of unusable length, loads the score file, clears
    // WordListDirty and starts the rules. Throws OrvError when Pendu.dat cannot be read: the later
    // steps then do not run, so the score file is never written back unread and no key plays.
    void startUp();

    // Ranks the run's score, writes the score file, then the word file when the list changed.
    // A score text that cannot be compared is reported through guard and the closing goes on.
    // Returns false, its error reported, when the word file could not be written: the list stays
    // as it is and a later call saves it, the run ranked only once.
    bool shutDown(const Guard &guard);

    // The closing of every session still there, without a window: for a program that a library
    // ends from inside the event loop (the display lost). Errors go to the standard error output.
    static void shutDownAllAtExit();

private:
    QString wordFilePath() const;

    QString m_folder;
    WordList m_wordList;
    ScoreFile m_scores;
    GameRules m_rules;
    bool m_wordFileLoaded = false;
};
