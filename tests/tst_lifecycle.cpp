// How a run ends and who may run, on real processes and files: SIGTERM and SIGHUP, the session's
// request to save, a second game in the same folder, and leaving when the word list cannot be saved.
#include "Main.h"
#include "Scramble.h"
#include "TestSupport.h"
#include "WordEditing.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <memory>

namespace {

constexpr int Patience = 30000;

QByteArray wordFile(const QStringList &words)
{
    QByteArray bytes;
    for (const QString &word : words)
        bytes += toQByteArray(Crypte(word.toStdString())) + "\r\n";
    return bytes;
}

// The score file written from none: the run ranked first under an empty name, nine empty rows.
QByteArray rankedAlone(const QByteArray &score)
{
    return "\r\n\t" + score + "\r\n" + QByteArray("\t\r\n").repeated(9);
}

// True once the process has a handler for SIGTERM, read from its status in /proc.
bool catchesSigterm(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

// One run of the gamerun child in a folder, its output read line by line.
class Game
{
public:
    Game(const QString &folder, const QStringList &steps)
    {
        m_process.setWorkingDirectory(folder);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start(QStringLiteral(ORV_GAMERUN), steps);
    }

    ~Game()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished();
        }
    }

    // Reads until a line equal to line, or starting with it when it ends in a space.
    QString waitFor(const QString &line)
    {
        QElapsedTimer clock;
        clock.start();
        for (;;) {
            while (m_process.canReadLine()) {
                m_lines << QString::fromUtf8(m_process.readLine()).chopped(1);
                if (m_lines.last() == line || (line.endsWith(u' ') && m_lines.last().startsWith(line)))
                    return m_lines.last();
            }
            if (clock.elapsed() > Patience || (m_process.state() == QProcess::NotRunning && !m_process.canReadLine()))
                return QString();
            m_process.waitForReadyRead(100);
        }
    }

    void signal(int number) { ::kill(pid_t(m_process.processId()), number); }

    // The exit code once it has ended by itself, -1 when a signal ended it or it did not end.
    int waitForExit()
    {
        if (!m_process.waitForFinished(Patience) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        waitFor(QStringLiteral("\n"));
        return m_process.exitCode();
    }

    const QStringList &lines() const { return m_lines; }
    QStringList errors() const { return m_lines.filter(QRegularExpression(QStringLiteral("^(error|message) "))); }

private:
    QProcess m_process;
    QStringList m_lines;
};

struct Stamp
{
    QByteArray bytes;
    QDateTime modified;
    bool operator==(const Stamp &) const = default;
};

Stamp stampOf(const QString &path)
{
    return {readBytes(path), QFileInfo(path).lastModified()};
}

} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void endSignalsRunTheClosing_data();
    void endSignalsRunTheClosing();
    void theProgramSavesOnSigterm();
    void sessionRequestSavesWithoutEnding();
    void oneGameAFolder_data();
    void oneGameAFolder();
    void unsavableWordListOffersToQuit_data();
    void unsavableWordListOffersToQuit();

private:
    QString path(const char *name) const { return m_dir->filePath(QLatin1String(name)); }

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestLifecycle::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(writeBytes(path("Pendu.dat"), wordFile({"MAISON"})));
}

// Logout and a closed terminal end the game as its window's closing does: ranked, both files written.
void TestLifecycle::endSignalsRunTheClosing_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QStringList>("steps");

    const QStringList played{"play", "add=ORNITHORYNQUE"};
    QTest::newRow("SIGTERM") << SIGTERM << played;
    QTest::newRow("SIGHUP") << SIGHUP << played;
    QTest::newRow("SIGTERM with the calendar open") << SIGTERM << played + QStringList{"calendar"};
}

void TestLifecycle::endSignalsRunTheClosing()
{
    QFETCH(int, signalNumber);
    QFETCH(QStringList, steps);

    Game game(m_dir->path(), steps);
    const QString score = game.waitFor(QStringLiteral("score "));
    QVERIFY(score != QLatin1String("score 0") && !score.isEmpty());
    QCOMPARE(game.waitFor(QStringLiteral("ready")), QStringLiteral("ready"));
    game.signal(signalNumber);

    QCOMPARE(game.waitForExit(), 0);
    QCOMPARE(game.errors(), QStringList());
    QCOMPARE(readBytes(path("Pendu.dat")), wordFile({"MAISON", "ORNITHORYNQUE"}));
    QCOMPARE(readBytes(path("Orvpendu.ini")), rankedAlone(score.mid(6).toLatin1()));
    QVERIFY(!QFileInfo::exists(path("Orvpendu.lock")));
}

// The program itself, with no game played: SIGTERM still ranks the run's 0 and writes the score file.
void TestLifecycle::theProgramSavesOnSigterm()
{
    QProcess program;
    program.setWorkingDirectory(m_dir->path());
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(QStringLiteral(ORV_PROGRAM), QStringList());
    QVERIFY(program.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(catchesSigterm(program.processId()), Patience);
    ::kill(pid_t(program.processId()), SIGTERM);

    QVERIFY(program.waitForFinished(Patience));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(readBytes(path("Orvpendu.ini")), rankedAlone("0"));
    QCOMPARE(readBytes(path("Pendu.dat")), wordFile({"MAISON"}));
}

// The session may end the program without closing it: its request to save writes both files at once.
void TestLifecycle::sessionRequestSavesWithoutEnding()
{
    Game game(m_dir->path(), {"play", "add=ORNITHORYNQUE", "commit"});
    const QString score = game.waitFor(QStringLiteral("score "));
    QCOMPARE(game.waitFor(QStringLiteral("ready")), QStringLiteral("ready"));
    const QByteArray ranked = rankedAlone(score.mid(6).toLatin1());
    QCOMPARE(readBytes(path("Pendu.dat")), wordFile({"MAISON", "ORNITHORYNQUE"}));
    QCOMPARE(readBytes(path("Orvpendu.ini")), ranked);

    // The closing that follows ranks nothing a second time.
    game.signal(SIGTERM);
    QCOMPARE(game.waitForExit(), 0);
    QCOMPARE(readBytes(path("Orvpendu.ini")), ranked);
    QCOMPARE(game.errors(), QStringList());
}

// A second game in the folder would overwrite the first one's words and score at its exit.
void TestLifecycle::oneGameAFolder_data()
{
    QTest::addColumn<bool>("firstKilled");
    QTest::newRow("first game running: the second refuses") << false;
    QTest::newRow("first game killed: its lock is taken over") << true;
}

void TestLifecycle::oneGameAFolder()
{
    QFETCH(bool, firstKilled);
    QVERIFY(writeBytes(path("Orvpendu.ini"), "Ana\r\nAna\t300\r\n"));

    auto first = std::make_unique<Game>(m_dir->path(), QStringList{"play", "add=ORNITHORYNQUE"});
    const QString score = first->waitFor(QStringLiteral("score "));
    QCOMPARE(first->waitFor(QStringLiteral("ready")), QStringLiteral("ready"));
    QVERIFY(QFileInfo::exists(path("Orvpendu.lock")));
    if (firstKilled) {
        first->signal(SIGKILL);
        QCOMPARE(first->waitForExit(), -1);
        first.reset();
    }
    const Stamp words = stampOf(path("Pendu.dat"));
    const Stamp scores = stampOf(path("Orvpendu.ini"));

    Game second(m_dir->path(), {});
    if (firstKilled) {
        QCOMPARE(second.waitFor(QStringLiteral("ready")), QStringLiteral("ready"));
        second.signal(SIGTERM);
        QCOMPARE(second.waitForExit(), 0);
        QCOMPARE(second.errors(), QStringList());
        return;
    }
    QCOMPARE(second.waitForExit(), 1);
    QCOMPARE(second.errors(), QStringList{QStringLiteral("message Orv Pendu est déjà ouvert dans ce dossier.")});
    QVERIFY(!second.lines().contains(QStringLiteral("ready")));
    QVERIFY(stampOf(path("Pendu.dat")) == words);
    QVERIFY(stampOf(path("Orvpendu.ini")) == scores);

    first->signal(SIGTERM);
    QCOMPARE(first->waitForExit(), 0);
    QCOMPARE(readBytes(path("Pendu.dat")), wordFile({"MAISON", "ORNITHORYNQUE"}));
    QCOMPARE(readBytes(path("Orvpendu.ini")),
             "Ana\r\nAna\t300\r\nAna\t" + score.mid(6).toLatin1() + "\r\n" + QByteArray("\t\r\n").repeated(8));
}

// With the word file impossible to write, the closing stops after the error, then offers to leave.
void TestLifecycle::unsavableWordListOffersToQuit_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("Oui quits, the score file written") << QMessageBox::Yes;
    QTest::newRow("Non keeps the window and the list") << QMessageBox::No;
}

void TestLifecycle::unsavableWordListOffersToQuit()
{
    QFETCH(QMessageBox::StandardButton, answer);
    TMainForm window(m_dir->path());
    window.show();
    QTRY_VERIFY(window.wordFileLoaded());
    addWord(window.wordList(), QStringLiteral("ORNITHORYNQUE"));
    QVERIFY(QFile::remove(path("Pendu.dat")));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Pendu.dat")));

    // No sink collects the reports: the real boxes come up and are answered in turn.
    QStringList boxes;
    QTimer answering;
    connect(&answering, &QTimer::timeout, [&boxes, answer] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        QStringList parts{box->windowTitle(), box->text()};
        for (QAbstractButton *button : box->buttons())
            parts << button->text();
        boxes << parts.join(u'|');
        (box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok) : box->button(answer))->click();
    });
    answering.start(0);
    QCOMPARE(window.close(), answer == QMessageBox::Yes);
    answering.stop();

    QCOMPARE(boxes, (QStringList{QStringLiteral("Orv Pendu|Ne peut créer le fichier Pendu.dat.|OK"),
                                 QStringLiteral("Orv Pendu|Quitter sans enregistrer la liste de mots\u00A0? Les mots "
                                                "ajoutés ou supprimés depuis le lancement seront perdus.|Oui|Non")}));
    QCOMPARE(readBytes(path("Orvpendu.ini")), rankedAlone("0"));
    QCOMPARE(window.isVisible(), answer == QMessageBox::No);
    QVERIFY(window.wordList().WordListDirty());
    QCOMPARE(window.wordList().count(), 2);
    window.hide();
}

QTEST_MAIN(TestLifecycle)
#include "tst_lifecycle.moc"
