// Child of the hostile start-up test: one run on the files of FOLDER as the main window drives it,
// the start-up, a new game and a few letters when one can start, then the closing.
// Usage: startonce FOLDER. Prints "loaded 0|1", "tries N", "closed 0|1" and "error TEXT" for every
// error reported, the text percent-encoded since a score text may hold any byte.
#include "OrvError.h"
#include "RandomSource.h"
#include "Session.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    // As the error report does: each step that throws is ended and its text kept.
    QStringList errors;
    const Session::Guard guard = [&errors](const std::function<void()> &step) {
        try {
            step();
            return true;
        } catch (const OrvError &e) {
            errors << e.text();
        } catch (const std::exception &e) {
            errors << QString::fromLocal8Bit(e.what());
        }
        return false;
    };

    Session session(QString::fromLocal8Bit(argv[1]), systemRandomSource());
    guard([&session] { session.startUp(); });
    guard([&session] { session.rules().OpenItemClick(); });
    for (const char letter : {'e', 'a', 's', 'i', 't', 'n', 'r'})
        guard([&session, letter] { session.rules().FormKeyPress(QLatin1Char(letter)); });
    const int tries = session.rules().state().Tries;
    const bool closed = session.shutDown(guard);

    std::printf("loaded %d\ntries %d\nclosed %d\n", session.wordFileLoaded() ? 1 : 0, tries, closed ? 1 : 0);
    for (const QString &error : errors)
        std::printf("error %s\n", error.toUtf8().toPercentEncoding(" '").constData());
    return 0;
}
