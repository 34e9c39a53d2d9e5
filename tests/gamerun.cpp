// Child of the lifecycle test: the whole program, as it starts, in the current directory. Once the
// main window is up it runs the STEPs, prints "ready" and goes on until something ends it.
// Usage: gamerun [play] [add=WORD] [commit] [calendar] [aside]
//   play      a new game, won by typing the letters of the word drawn
//   add=WORD  adds WORD to the word list
//   commit    the session manager's request to save
//   calendar  opens the calendar modally and stays in it
//   aside     shows another window and makes it the active one
// Prints "score N" and "window ID" (the main window's) after the steps, "activated" each time the
// main window becomes the active window, "error TEXT" and "message TEXT" for every box, "exit N"
// at the end.
#include "ErrorReport.h"
#include "Main.h"
#include "MessageBox.h"
#include "Program.h"
#include "WordEditing.h"

#include <QApplication>
#include <QSessionManager>
#include <QTimer>
#include <cstdio>

namespace {

void print(const QString &line)
{
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void play(TMainForm &window)
{
    window.rules().OpenItemClick();
    const QString word = window.rules().state().SecretWord;
    for (const QChar letter : word)
        window.rules().FormKeyPress(letter);
}

void runSteps(TMainForm &window, const QStringList &steps)
{
    bool calendar = false;
    for (const QString &step : steps) {
        if (step == QLatin1String("play"))
            play(window);
        else if (step.startsWith(QLatin1String("add=")))
            addWord(window.wordList(), step.mid(4));
        else if (step == QLatin1String("commit"))
            emit qApp->commitDataRequest(*qApp->findChild<QSessionManager *>());
        else if (step == QLatin1String("calendar"))
            calendar = true;
    }
    print(QStringLiteral("score %1").arg(window.rules().totals().Score));
    print(QStringLiteral("window %1").arg(window.winId()));
    if (steps.contains(QLatin1String("aside"))) {
        // Ready once the other window has taken the activation from the main one.
        // Its own window, yet the main window's: it does not keep the program running.
        auto *aside = new QWidget(&window, Qt::Window);
        aside->show();
        aside->activateWindow();
        auto *poll = new QTimer(aside);
        QObject::connect(poll, &QTimer::timeout, [aside, poll] {
            if (QApplication::activeWindow() == aside) {
                poll->stop();
                print(QStringLiteral("ready"));
            }
        });
        poll->start(10);
        return;
    }
    if (!calendar) {
        print(QStringLiteral("ready"));
        return;
    }
    // Ready once the calendar is up, from inside its own event loop.
    QTimer::singleShot(0, [] { print(QStringLiteral("ready")); });
    window.Calendrier1Click();
}

// Runs the steps once the main window has been shown and has loaded its files.
class StepsAtFirstShow : public QObject
{
public:
    explicit StepsAtFirstShow(QStringList steps) : m_steps(std::move(steps)) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (qobject_cast<TMainForm *>(watched) && event->type() == QEvent::WindowActivate)
            print(QStringLiteral("activated"));
        if (auto *window = qobject_cast<TMainForm *>(watched); window && event->type() == QEvent::Show && !m_done) {
            m_done = true;
            QTimer::singleShot(0, window, [window, steps = m_steps] { runSteps(*window, steps); });
        }
        return false;
    }

private:
    QStringList m_steps;
    bool m_done = false;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ErrorReport::setSinkForTests([](const QString &text) { print(QStringLiteral("error ") + text); });
    MessageBox::setSinkForTests([](const QString &text) { print(QStringLiteral("message ") + text); });
    StepsAtFirstShow steps(QCoreApplication::arguments().mid(1));
    app.installEventFilter(&steps);

    const int code = Program::run(app);
    print(QStringLiteral("exit %1").arg(code));
    return code;
}
