// Child of the kill test: saves the word file or the score file over and over, alternating two
// versions, until it is killed. Usage: killsave words|scores FOLDER. Prints "ready", then "saved" after each save.
#include "KillSave.h"
#include "ScoreFile.h"

#include <QDir>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "words") == 0) {
        const WordList lists[2] = {KillSave::wordList(0), KillSave::wordList(1)};
        const QString path = QDir(folder).filePath(QStringLiteral("Pendu.dat"));
        std::puts("ready");
        std::fflush(stdout);
        for (int version = 1;; version ^= 1) {
            lists[version].save(path);
            std::puts("saved");
            std::fflush(stdout);
        }
    }
    ScoreFile scores(folder);
    scores.LoadScoreFile();
    const std::string names[2] = {KillSave::playerName(0), KillSave::playerName(1)};
    std::puts("ready");
    std::fflush(stdout);
    for (int version = 1;; version ^= 1) {
        scores.setPlayerName(names[version]);
        scores.SaveScoreFile();
        std::puts("saved");
        std::fflush(stdout);
    }
}
