// How a run ends and who may run, on real processes and files: the end signals, the session's
// request to save, a lost display, a second game in the same folder, locks left over, and leaving
// when the word list cannot be saved.
#include "Main.h"
#include "TestSupport.h"
#include "WordEditing.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <memory>
#include <xcb/xcb.h>

namespace {

constexpr int Patience = 30000;

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
    Game(const QString &folder, const QStringList &steps,
         const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
    {
        m_process.setProcessEnvironment(environment);
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

    // Reads until a line equal to line, or starting with it when it ends in a space, among the
    // lines from the index from on; empty if none came.
    QString waitFor(const QString &line, qsizetype from = 0)
    {
        QElapsedTimer clock;
        clock.start();
        for (qsizetype seen = from;; m_process.waitForReadyRead(100)) {
            readLines();
            for (; seen < m_lines.size(); ++seen) {
                const QString &read = m_lines.at(seen);
                if (read == line || (line.endsWith(u' ') && read.startsWith(line)))
                    return read;
            }
            if (clock.elapsed() > Patience || m_process.state() == QProcess::NotRunning)
                return QString();
        }
    }

    void signal(int number) { ::kill(pid_t(m_process.processId()), number); }

    // The exit code once it has ended by itself, -1 when a signal ended it or it did not end.
    int waitForExit()
    {
        if (!m_process.waitForFinished(Patience) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        readLines();
        return m_process.exitCode();
    }

    const QStringList &lines() const { return m_lines; }
    // The error and message boxes the child reported.
    QStringList boxes() const { return m_lines.filter(QRegularExpression(QStringLiteral("^(error|message) "))); }

private:
    void readLines()
    {
        while (m_process.canReadLine())
            m_lines << QString::fromUtf8(m_process.readLine()).chopped(1);
    }

    QProcess m_process;
    QStringList m_lines;
};

// An X server of the test's own, for the close request that only a window manager sends.
class XServer
{
public:
    XServer()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (program.isEmpty())
            return;
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(program, {"-displayfd", "1", "-nolisten", "tcp", "-screen", "0", "1024x768x24"});
        while (m_process.waitForReadyRead(Patience) && !m_process.canReadLine()) {
        }
        const QByteArray display = ':' + m_process.readLine().trimmed();
        m_connection = xcb_connect(display.constData(), nullptr);
        if (xcb_connection_has_error(m_connection) == 0)
            m_display = QString::fromLatin1(display);
    }

    ~XServer()
    {
        if (m_connection)
            xcb_disconnect(m_connection);
        m_process.terminate();
        m_process.waitForFinished();
    }

    // Empty when no server could be started.
    const QString &display() const { return m_display; }

    // A program's environment that puts it on this server.
    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        return environment;
    }

    // The server gone at once, as when it crashes.
    void kill()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

    // What a window manager sends when the user closes the window from its frame or a task bar.
    void askToClose(quint32 window)
    {
        xcb_client_message_event_t request = {};
        request.response_type = XCB_CLIENT_MESSAGE;
        request.format = 32;
        request.window = window;
        request.type = atom("WM_PROTOCOLS");
        request.data.data32[0] = atom("WM_DELETE_WINDOW");
        request.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(m_connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&request));
        xcb_flush(m_connection);
    }

private:
    xcb_atom_t atom(const char *name)
    {
        xcb_intern_atom_reply_t *reply =
            xcb_intern_atom_reply(m_connection, xcb_intern_atom(m_connection, 0, quint16(qstrlen(name)), name), nullptr);
        const xcb_atom_t value = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        free(reply);
        return value;
    }

    QProcess m_process;
    xcb_connection_t *m_connection = nullptr;
    QString m_display;
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
    void windowManagerCloseDuringAModalWindow();
    void lostDisplaySavesBothFiles();
    void oneGameAFolder_data();
    void oneGameAFolder();
    void leftoverLockNeverRefusesAStart_data();
    void leftoverLockNeverRefusesAStart();
    void unsavableWordListOffersToQuit_data();
    void unsavableWordListOffersToQuit();

private:
    QString path(const char *name) const { return QDir(m_folder).filePath(QLatin1String(name)); }
    // The environment of a game whose runtime folder is this test's own.
    QProcessEnvironment environment(const QString &runtime = QString(),
                                    QProcessEnvironment base = QProcessEnvironment::systemEnvironment()) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_runtime;
    QString m_folder;
};

void TestLifecycle::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_runtime = std::make_unique<QTemporaryDir>();
    m_folder = m_dir->path();
    QVERIFY(writeBytes(path("Pendu.dat"), wordFile({"MAISON"})));
}

QProcessEnvironment TestLifecycle::environment(const QString &runtime, QProcessEnvironment base) const
{
    base.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.isEmpty() ? m_runtime->path() : runtime);
    return base;
}

// Logout and a closed terminal end the game as its window's closing does: ranked, both files written.
void TestLifecycle::endSignalsRunTheClosing_data()
{
    QTest::addColumn<int>("signalNumber");
    QTest::addColumn<QStringList>("steps");

    const QStringList played{"play", "add=ORNITHORYNQUE"};
    QTest::newRow("SIGTERM") << SIGTERM << played;
    QTest::newRow("SIGHUP") << SIGHUP << played;
    QTest::newRow("SIGINT") << SIGINT << played;
    QTest::newRow("SIGQUIT") << SIGQUIT << played;
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
    QCOMPARE(game.boxes(), QStringList());
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
    QCOMPARE(game.boxes(), QStringList());
}

// The toolkit drops a close request to a window that a modal window blocks; this one reaches the closing.
void TestLifecycle::windowManagerCloseDuringAModalWindow()
{
    XServer server;
    if (server.display().isEmpty())
        QSKIP("No X server (Xvfb) to run the program on.");

    Game game(m_dir->path(), {"play", "add=ORNITHORYNQUE", "calendar"}, server.environment());
    const QString score = game.waitFor(QStringLiteral("score "));
    const QString window = game.waitFor(QStringLiteral("window "));
    QCOMPARE(game.waitFor(QStringLiteral("ready")), QStringLiteral("ready"));
    server.askToClose(window.mid(7).toUInt());

    QCOMPARE(game.waitForExit(), 0);
    QCOMPARE(game.boxes(), QStringList());
    QCOMPARE(readBytes(path("Pendu.dat")), wordFile({"MAISON", "ORNITHORYNQUE"}));
    QCOMPARE(readBytes(path("Orvpendu.ini")), rankedAlone(score.mid(6).toLatin1()));
}

// The display's plug-in ends the program when the X server goes: the closing still saves both files.
void TestLifecycle::lostDisplaySavesBothFiles()
{
    XServer server;
    if (server.display().isEmpty())
        QSKIP("No X server (Xvfb) to run the program on.");

    Game game(m_dir->path(), {"play", "add=ORNITHORYNQUE"}, server.environment());
    const QString score = game.waitFor(QStringLiteral("score "));
    QCOMPARE(game.waitFor(QStringLiteral("ready")), QStringLiteral("ready"));
    server.kill();

    // The plug-in's own exit code, after the closing.
    QCOMPARE(game.waitForExit(), 1);
    QCOMPARE(game.boxes(), QStringList());
    QCOMPARE(readBytes(path("Pendu.dat")), wordFile({"MAISON", "ORNITHORYNQUE"}));
    QCOMPARE(readBytes(path("Orvpendu.ini")), rankedAlone(score.mid(6).toLatin1()));
}

// A second game in the folder would overwrite the first one's words and score at its exit.
void TestLifecycle::oneGameAFolder_data()
{
    QTest::addColumn<QString>("setting");
    QTest::newRow("first game running: the second brings its window forward") << QStringLiteral("raise");
    QTest::newRow("the same on an X server") << QStringLiteral("raise on X");
    QTest::newRow("first game unreachable: the second refuses and names the lock") << QStringLiteral("unreachable");
    QTest::newRow("folder that cannot hold a lock: the second still brings the first forward")
        << QStringLiteral("read-only");
    QTest::newRow("first game killed: its lock is taken over") << QStringLiteral("killed");
}

void TestLifecycle::oneGameAFolder()
{
    QFETCH(QString, setting);
    std::unique_ptr<XServer> server;
    QProcessEnvironment base = QProcessEnvironment::systemEnvironment();
    if (setting == QLatin1String("raise on X")) {
        server = std::make_unique<XServer>();
        if (server->display().isEmpty())
            QSKIP("No X server (Xvfb) to run the program on.");
        base = server->environment();
    }
    std::unique_ptr<SmallFileSystem> readOnly;
    if (setting == QLatin1String("read-only")) {
        readOnly = std::make_unique<SmallFileSystem>(m_dir->filePath(QStringLiteral("ro")), "size=1m,mode=0755");
        if (!readOnly->mounted())
            QSKIP("This user cannot mount a file system.");
        m_folder = m_dir->filePath(QStringLiteral("ro"));
        QVERIFY(writeBytes(path("Pendu.dat"), wordFile({"MAISON"})));
    }
    QVERIFY(writeBytes(path("Orvpendu.ini"), "Ana\r\nAna\t300\r\n"));
    if (readOnly)
        QVERIFY(readOnly->makeReadOnly());

    // Where nothing can be written, a changed list would keep the first game from ending.
    const QStringList steps = readOnly ? QStringList{"play", "aside"} : QStringList{"play", "add=ORNITHORYNQUE", "aside"};
    auto first = std::make_unique<Game>(m_folder, steps, environment(QString(), base));
    const QString score = first->waitFor(QStringLiteral("score "));
    QCOMPARE(first->waitFor(QStringLiteral("ready")), QStringLiteral("ready"));
    QCOMPARE(QFileInfo::exists(path("Orvpendu.lock")), !readOnly);
    if (setting == QLatin1String("killed")) {
        first->signal(SIGKILL);
        QCOMPARE(first->waitForExit(), -1);
        first.reset();
    }
    const qsizetype before = first ? first->lines().size() : 0;
    const Stamp words = stampOf(path("Pendu.dat"));
    const Stamp scores = stampOf(path("Orvpendu.ini"));

    // Unreachable: its runtime folder is another, so only the lock in the folder meets the first game.
    QTemporaryDir otherRuntime;
    Game second(m_folder, {}, environment(setting == QLatin1String("unreachable") ? otherRuntime.path() : QString(), base));
    if (setting == QLatin1String("killed")) {
        QCOMPARE(second.waitFor(QStringLiteral("ready")), QStringLiteral("ready"));
        second.signal(SIGTERM);
        QCOMPARE(second.waitForExit(), 0);
        QCOMPARE(second.boxes(), QStringList());
        return;
    }
    if (setting == QLatin1String("unreachable")) {
        QCOMPARE(second.waitForExit(), 1);
        QCOMPARE(second.boxes(), QStringList{QStringLiteral("message Orv Pendu est déjà ouvert dans ce dossier "
                                                            "(verrou\u00A0: %1).")
                                                 .arg(path("Orvpendu.lock"))});
    } else {
        QCOMPARE(second.waitForExit(), 0);
        QCOMPARE(second.boxes(), QStringList());
        QCOMPARE(first->waitFor(QStringLiteral("activated"), before), QStringLiteral("activated"));
    }
    QVERIFY(!second.lines().contains(QStringLiteral("ready")));
    QVERIFY(stampOf(path("Pendu.dat")) == words);
    QVERIFY(stampOf(path("Orvpendu.ini")) == scores);

    first->signal(SIGTERM);
    QCOMPARE(first->waitForExit(), 0);
    if (readOnly)
        return;
    QCOMPARE(readBytes(path("Pendu.dat")), wordFile({"MAISON", "ORNITHORYNQUE"}));
    QCOMPARE(readBytes(path("Orvpendu.ini")),
             "Ana\r\nAna\t300\r\nAna\t" + score.mid(6).toLatin1() + "\r\n" + QByteArray("\t\r\n").repeated(8));
}

// What a power cut, another machine or a hand can leave under the lock's name: none keeps the game
// from starting, and none that is not a regular file is written over.
void TestLifecycle::leftoverLockNeverRefusesAStart_data()
{
    QTest::addColumn<QString>("leftover");
    QTest::newRow("empty file") << QStringLiteral("empty");
    QTest::newRow("garbage") << QStringLiteral("garbage");
    QTest::newRow("dead pid of another host and machine") << QStringLiteral("foreign");
    QTest::newRow("a folder") << QStringLiteral("folder");
    QTest::newRow("a dangling link") << QStringLiteral("link");
}

void TestLifecycle::leftoverLockNeverRefusesAStart()
{
    QFETCH(QString, leftover);
    const QString lock = path("Orvpendu.lock");
    if (leftover == QLatin1String("empty"))
        QVERIFY(writeBytes(lock, QByteArray()));
    else if (leftover == QLatin1String("garbage"))
        QVERIFY(writeBytes(lock, QByteArray("\xff\x00\x01 not a lock\n\n\t", 17)));
    else if (leftover == QLatin1String("foreign"))
        QVERIFY(writeBytes(lock, "4000000\nOrv Pendu\nune-autre-machine\n0123456789abcdef0123456789abcdef\n"));
    else if (leftover == QLatin1String("folder"))
        QVERIFY(QDir(m_folder).mkdir(QStringLiteral("Orvpendu.lock")));
    else
        QVERIFY(QFile::link(QStringLiteral("nulle-part"), lock));

    Game game(m_folder, {"add=ORNITHORYNQUE"}, environment());
    QCOMPARE(game.waitFor(QStringLiteral("ready")), QStringLiteral("ready"));
    game.signal(SIGTERM);
    QCOMPARE(game.waitForExit(), 0);
    QCOMPARE(game.boxes(), QStringList());
    QCOMPARE(readBytes(path("Pendu.dat")), wordFile({"MAISON", "ORNITHORYNQUE"}));
    if (leftover == QLatin1String("folder"))
        QVERIFY(QFileInfo(lock).isDir());
    else if (leftover == QLatin1String("link"))
        QCOMPARE(QFileInfo(lock).symLinkTarget(), path("nulle-part"));
    else
        QVERIFY(!QFileInfo::exists(lock));
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
