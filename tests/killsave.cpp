// Child of the kill test: saves the word file or the score file over and over, alternating two
// versions, until it is killed. Usage: killsave words|scores FOLDER [nobody]. With "nobody" it
// first becomes that user when started as the superuser. Prints "ready", then "done" after each
// save, whether it saved or failed.
#include "KillSave.h"
#include "OrvError.h"
#include "ScoreFile.h"

#include <QDir>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

void done()
{
    std::puts("done");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 && argc != 4)
        return 2;
    constexpr uid_t Nobody = 65534;
    if (argc == 4 && std::strcmp(argv[3], "nobody") == 0 && geteuid() == 0 && (setgid(Nobody) != 0 || setuid(Nobody) != 0))
        return 3;
    const QString folder = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "words") == 0) {
        const WordList lists[2] = {KillSave::wordList(0), KillSave::wordList(1)};
        const QString path = QDir(folder).filePath(QStringLiteral("Pendu.dat"));
        std::puts("ready");
        std::fflush(stdout);
        for (int version = 1;; version ^= 1) {
            try {
                lists[version].save(path);
            } catch (const OrvError &) {
            }
            done();
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
        done();
    }
}
