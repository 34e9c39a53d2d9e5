// Child of the hostile start-up test: one start of the main window on the files of FOLDER, a new
// game and a few letters when one can start, then the closing. Usage: startonce FOLDER.
// Prints "loaded 0|1", "tries N", "closed 0|1" and "error TEXT" for every error reported, the text
// percent-encoded since a score text may hold any byte.
#include "ErrorReport.h"
#include "Main.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <cstdio>

namespace {

void typeLetter(QWidget *window, char letter)
{
    QKeyEvent press(QEvent::KeyPress, Qt::Key_A + (letter - 'a'), Qt::NoModifier, QString(QLatin1Char(letter)));
    QApplication::sendEvent(window, &press);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QStringList errors;
    ErrorReport::setSinkForTests([&errors](const QString &text) { errors << text; });

    int closed = 0;
    int tries = 0;
    bool loaded = false;
    {
        TMainForm window(QString::fromLocal8Bit(argv[1]));
        window.show();
        // The first show runs in show(); its error box waits for the event loop.
        QApplication::processEvents();
        loaded = window.wordFileLoaded();
        window.findChild<QAction *>(QStringLiteral("OpenItem"))->trigger();
        for (const char letter : {'e', 'a', 's', 'i', 't', 'n', 'r'})
            typeLetter(&window, letter);
        QApplication::processEvents();
        tries = window.rules().state().Tries;
        closed = window.close() ? 1 : 0;
    }
    QApplication::processEvents();
    ErrorReport::setSinkForTests({});

    std::printf("loaded %d\ntries %d\nclosed %d\n", loaded ? 1 : 0, tries, closed);
    for (const QString &error : errors)
        std::printf("error %s\n", error.toUtf8().toPercentEncoding(" '").constData());
    return 0;
}
