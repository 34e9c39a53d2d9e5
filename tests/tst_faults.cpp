// Faults of the disk through a run's closing and start-up, and saves killed part-way.
#include "ErrorReport.h"
#include "Fonts.h"
#include "KillSave.h"
#include "Main.h"
#include "MessageBox.h"
#include "Session.h"
#include "TestSupport.h"
#include "Unit1.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <memory>
#include <thread>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// From the allocation this counts down to on, every operator new of the program fails, until set back to 0.
std::atomic<long> allocationsBeforeFailure{0};

} // namespace

void *operator new(std::size_t size)
{
    if (allocationsBeforeFailure.load() > 0 && allocationsBeforeFailure.fetch_sub(1) <= 1) {
        allocationsBeforeFailure = 1;
        throw std::bad_alloc();
    }
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}

void operator delete(void *p) noexcept
{
    std::free(p);
}

void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}

namespace {

const QString WordFileName = QStringLiteral("Pendu.dat");
const QString ScoreFileName = QStringLiteral("Orvpendu.ini");

// Permission bits do not stop the superuser; for the time this lives, file access from this
// thread is checked as the unprivileged user and group "nobody" instead, whoever runs the test.
class AsNobody
{
public:
    static constexpr uid_t Nobody = 65534;
    AsNobody() : m_switched(geteuid() == 0)
    {
        if (m_switched) {
            setfsgid(Nobody);
            setfsuid(Nobody);
        }
    }
    ~AsNobody()
    {
        if (m_switched) {
            setfsuid(0);
            setfsgid(0);
        }
    }
    AsNobody(const AsNobody &) = delete;
    AsNobody &operator=(const AsNobody &) = delete;

private:
    bool m_switched;
};

// The lowest free descriptor: a limit at that number leaves none to open.
rlim_t lowestFreeDescriptor()
{
    const int fd = dup(0);
    close(fd);
    return rlim_t(fd);
}

const QByteArray StoredScores("Ana\r\nAna\t300\r\nBob\t200\r\n");
// StoredScores once the run's 0 has entered it, under the player name it holds.
const QByteArray RankedScores = "Ana\r\nAna\t300\r\nBob\t200\r\nAna\t0\r\n" + QByteArray("\t\r\n").repeated(7);

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void wordFileThatCannotBeCreatedAtClosing_data();
    void wordFileThatCannotBeCreatedAtClosing();
    void wordFileWriteThatFailsPartWay_data();
    void wordFileWriteThatFailsPartWay();
    void scoreFileFaultsAreSilent_data();
    void scoreFileFaultsAreSilent();
    void killedSaveLeavesOldOrNewFile_data();
    void killedSaveLeavesOldOrNewFile();
    void fullFileSystemKeepsBothOldFiles_data();
    void fullFileSystemKeepsBothOldFiles();
    void folderThatTakesNoNewFileKeepsBothFiles();
    void unreadWordFileIsNeverReplaced();
    void memoryRunningOutWhileLoadingLeavesTheFileUnread_data();
    void memoryRunningOutWhileLoadingLeavesTheFileUnread();
    void filesFollowTheirFolderWhenItIsRenamed();

private:
    void start(const QByteArray &words);
    void launch();
    bool close() { return m_session->shutDown(collectingGuard(m_errors)); }
    WordList &wordList() { return m_session->wordList(); }
    void mountSmallFileSystem(const char *options);
    QString path(const QString &name) const { return QDir(m_folder).filePath(name); }
    void setFolderWritable(bool writable);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_folder;
    ScriptedRandom m_random;
    std::unique_ptr<Session> m_session;
    QStringList m_errors;
    std::unique_ptr<SmallFileSystem> m_small;
};

void TestFaults::initTestCase()
{
    Fonts::installSubstitutions();
}

void TestFaults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_folder = m_dir->path();
    setFolderWritable(true);
    m_errors.clear();
}

void TestFaults::cleanup()
{
    m_session.reset();
    m_small.reset();
    if (m_dir)
        setFolderWritable(true);
    m_dir.reset();
}

// "nobody" may always reach the folder and read it, so that a permission fault is the only cause.
void TestFaults::setFolderWritable(bool writable)
{
    auto permissions = QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther;
    if (writable)
        permissions |= QFileDevice::WriteOwner;
    QVERIFY(QFile::setPermissions(m_folder, permissions));
}

void TestFaults::start(const QByteArray &words)
{
    QVERIFY(writeBytes(path(WordFileName), words));
    launch();
}

void TestFaults::launch()
{
    m_session = std::make_unique<Session>(m_folder, m_random);
    if (const QString error = errorOf([this] { m_session->startUp(); }); !error.isNull())
        m_errors << error;
}

// The test's folder becomes the root of a tmpfs of its own; only a user allowed to mount gets it.
void TestFaults::mountSmallFileSystem(const char *options)
{
    m_small = std::make_unique<SmallFileSystem>(m_dir->filePath(QStringLiteral("small")), options);
    if (!m_small->mounted()) {
        m_small.reset();
        QSKIP("This user cannot mount a file system.");
    }
    m_folder = m_dir->filePath(QStringLiteral("small"));
}

void TestFaults::wordFileThatCannotBeCreatedAtClosing_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder made unwritable") << QStringLiteral("unwritable");
    QTest::newRow("no file descriptor left") << QStringLiteral("descriptors");
}

void TestFaults::wordFileThatCannotBeCreatedAtClosing()
{
    QFETCH(QString, cause);

    const QByteArray old = wordFile({"MAISON", "ABRICOT", "CHANTER"});
    start(old);
    wordList().removeAt(1);
    const std::vector<Entry> kept = wordList().entries();

    bool closed = true;
    if (cause == QLatin1String("unwritable")) {
        setFolderWritable(false);
        AsNobody nobody;
        closed = close();
    } else {
        ResourceLimit noDescriptors(RLIMIT_NOFILE, lowestFreeDescriptor());
        QVERIFY(noDescriptors.ok());
        closed = close();
    }

    QVERIFY(!closed);
    QCOMPARE(m_errors, QStringList{QStringLiteral("Ne peut créer le fichier Pendu.dat")});
    QCOMPARE(wordList().entries(), kept);
    QVERIFY(wordList().WordListDirty());
    QCOMPARE(readBytes(path(WordFileName)), old);

    // The cause gone, the next closing saves.
    setFolderWritable(true);
    QVERIFY(close());
    QCOMPARE(readBytes(path(WordFileName)), wordFile({"MAISON", "CHANTER"}));
    QCOMPARE(m_errors.size(), 1);
}

void TestFaults::wordFileWriteThatFailsPartWay_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("file-size limit") << QStringLiteral("limit");
    QTest::newRow("full file system") << QStringLiteral("full");
}

void TestFaults::wordFileWriteThatFailsPartWay()
{
    QFETCH(QString, cause);

    const bool full = cause == QLatin1String("full");
    if (full)
        mountSmallFileSystem("size=64k,mode=0755");
    const QByteArray old = wordFile({"MAISON", "ABRICOT"});
    start(old);
    // Far more than the limit and the small file system can take.
    for (int i = 0; i < 20000; ++i)
        wordList().append(Crypte("ABCDEFGHIJ"));
    const std::vector<Entry> kept = wordList().entries();

    bool closed = true;
    if (full) {
        closed = close();
    } else {
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        {
            ResourceLimit limit(RLIMIT_FSIZE, 4096);
            QVERIFY(limit.ok());
            closed = close();
        }
        std::signal(SIGXFSZ, oldHandler);
    }

    QVERIFY(!closed);
    QCOMPARE(m_errors, QStringList{QStringLiteral("Erreur d'écriture dans le flux")});
    QCOMPARE(wordList().entries(), kept);
    QVERIFY(wordList().WordListDirty());
    QCOMPARE(readBytes(path(WordFileName)), old);
    QCOMPARE(entriesOf(m_folder), (QStringList{ScoreFileName, WordFileName}));

    if (full)
        QVERIFY(m_small->resize("size=4m"));
    QVERIFY(close());
    QCOMPARE(readBytes(path(WordFileName)), wordList().content());
}

void TestFaults::scoreFileFaultsAreSilent_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("unreadable at start-up") << QStringLiteral("unreadable");
    QTest::newRow("folder unwritable at closing") << QStringLiteral("unwritable");
    QTest::newRow("a folder in its place") << QStringLiteral("folder");
}

void TestFaults::scoreFileFaultsAreSilent()
{
    QFETCH(QString, fault);

    // Had it been read and written, the run's 0 would enter this table at rank 3.
    const QByteArray &stored = StoredScores;
    const QString scorePath = path(ScoreFileName);
    if (fault == QLatin1String("folder"))
        QVERIFY(QDir(m_folder).mkdir(ScoreFileName));
    else
        QVERIFY(writeBytes(scorePath, stored));

    QVERIFY(writeBytes(path(WordFileName), wordFile({"MAISON"})));
    if (fault == QLatin1String("unreadable")) {
        QVERIFY(QFile::setPermissions(path(WordFileName), QFileDevice::ReadOwner | QFileDevice::ReadOther));
        QVERIFY(QFile::setPermissions(scorePath, QFileDevice::WriteOwner));
        AsNobody nobody;
        launch();
    } else {
        launch();
    }
    QVERIFY2(m_session->wordFileLoaded(), qPrintable(m_errors.join(u'|')));
    // The start-up went on: a game can be played.
    m_session->rules().OpenItemClick();
    m_session->rules().FormKeyPress(u'a');
    QCOMPARE(m_session->rules().state().Tries, 1);

    bool closed = false;
    if (fault == QLatin1String("unwritable")) {
        setFolderWritable(false);
        AsNobody nobody;
        closed = close();
    } else {
        closed = close();
    }
    QVERIFY(closed);
    QCOMPARE(m_errors, QStringList());
    if (fault == QLatin1String("folder")) {
        QVERIFY(QFileInfo(scorePath).isDir());
    } else {
        QVERIFY(QFile::setPermissions(scorePath, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(readBytes(scorePath), stored);
    }
}

namespace {

bool waitForLine(QProcess &child, const QByteArray &line)
{
    if (!child.waitForStarted())
        return false;
    while (child.state() == QProcess::Running || child.canReadLine()) {
        if (!child.canReadLine() && !child.waitForReadyRead(60000))
            return false;
        while (child.canReadLine())
            if (child.readLine().trimmed() == line)
                return true;
    }
    return false;
}

} // namespace

void TestFaults::killedSaveLeavesOldOrNewFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("folder");

    for (const char *kind : {"words", "scores"}) {
        const char *file = kind == QLatin1String("words") ? "word file" : "score file";
        QTest::addRow("%s, writable folder", file) << kind << QStringLiteral("writable");
        QTest::addRow("%s, folder not writable, file writable", file) << kind << QStringLiteral("files only");
        QTest::addRow("%s, full disk", file) << kind << QStringLiteral("full");
    }
}

void TestFaults::killedSaveLeavesOldOrNewFile()
{
    QFETCH(QString, kind);
    QFETCH(QString, folder);

    const bool words = kind == QLatin1String("words");
    const QString name = words ? WordFileName : ScoreFileName;
    const QByteArray versions[2] = {
        words ? KillSave::wordList(0).content() : KillSave::scoreFile(0),
        words ? KillSave::wordList(1).content() : KillSave::scoreFile(1),
    };
    // Room for the old file and part of a new one: each save fails part-way.
    if (folder == QLatin1String("full"))
        mountSmallFileSystem("size=1536k,mode=0755");
    QVERIFY(writeBytes(path(name), versions[0]));
    QStringList arguments{kind, m_folder};
    if (folder == QLatin1String("files only")) {
        QVERIFY(QFile::setPermissions(path(name), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther
                                                      | QFileDevice::WriteOther));
        setFolderWritable(false);
        arguments << QStringLiteral("nobody");
    }
    const bool saves = folder == QLatin1String("writable");

    // The time of one save, at the child's own pace.
    QProcess pace;
    pace.start(QStringLiteral(ORV_KILLSAVE), arguments);
    QVERIFY(waitForLine(pace, "ready") && waitForLine(pace, "done"));
    QElapsedTimer clock;
    clock.start();
    QVERIFY(waitForLine(pace, "done"));
    const qint64 saveMicroseconds = std::max<qint64>(clock.nsecsElapsed() / 1000, 1000);
    pace.kill();
    pace.waitForFinished();

    // Each round kills at its own fixed moment: after 0, 1 or 2 saves the child reports, then a
    // share of one save's time that steps through the whole save over the rounds.
    constexpr int Rounds = 50;
    int seen[2] = {0, 0};
    for (int round = 0; round < Rounds; ++round) {
        QProcess child;
        child.start(QStringLiteral(ORV_KILLSAVE), arguments);
        QVERIFY(waitForLine(child, "ready"));
        for (int saves = round % 3; saves > 0; --saves)
            QVERIFY(waitForLine(child, "done"));
        std::this_thread::sleep_for(std::chrono::microseconds(saveMicroseconds * (round / 3) / (Rounds / 3)));
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        const QByteArray now = readBytes(path(name));
        const int version = now == versions[0] ? 0 : (now == versions[1] ? 1 : -1);
        QVERIFY2(version >= 0, qPrintable(QStringLiteral("round %1: %2 bytes, neither the old file nor the new")
                                              .arg(round).arg(now.size())));
        // And read back as the program reads it.
        if (words) {
            WordList loaded;
            loaded.load(path(name));
            QCOMPARE(loaded.count(), KillSave::Entries);
            QCOMPARE(loaded.content(), versions[version]);
        }
        ++seen[version];
        // A killed save may leave its temporary file beside the real one; it is cleared for the next round.
        for (const QString &other : entriesOf(m_folder))
            if (other != name)
                QFile::remove(path(other));
    }
    qInfo("one save: %lld us; the file was the first version %d times, the second %d times",
          saveMicroseconds, seen[0], seen[1]);
    // Kills fell both before and after a completed save; where no save can complete, the old file stays.
    QVERIFY(seen[0] > 0);
    QCOMPARE(seen[1] > 0, saves);
}

void TestFaults::fullFileSystemKeepsBothOldFiles_data()
{
    QTest::addColumn<bool>("wordRemoved");
    QTest::newRow("a word removed") << true;
    QTest::newRow("nothing changed") << false;
}

void TestFaults::fullFileSystemKeepsBothOldFiles()
{
    QFETCH(bool, wordRemoved);

    mountSmallFileSystem("size=128k,mode=0755");
    // Under 16 KiB, so that the new list stays in the write buffer until the flush.
    std::vector<std::string> words;
    for (int i = 0; i < 1500; ++i) {
        std::string word = "MOTAAAAS";
        for (int p = 0, n = i; p < 4; ++p, n /= 26)
            word[std::size_t(3 + p)] = char('A' + n % 26);
        words.push_back(word);
    }
    const QByteArray oldWords = wordFile(words);
    QCOMPARE(oldWords.size(), 15000);
    QVERIFY(writeBytes(path(ScoreFileName), StoredScores));
    start(oldWords);
    if (wordRemoved)
        wordList().removeAt(0);
    QVERIFY(m_small->fill());

    QCOMPARE(close(), !wordRemoved);
    QCOMPARE(m_errors, wordRemoved ? QStringList{QStringLiteral("Erreur d'écriture dans le flux")} : QStringList());
    QCOMPARE(readBytes(path(WordFileName)), oldWords);
    QCOMPARE(readBytes(path(ScoreFileName)), StoredScores);
    QCOMPARE(entriesOf(m_folder), (QStringList{ScoreFileName, WordFileName, QStringLiteral("filler")}));
    if (!wordRemoved)
        return;

    // Room made, the closing tried again saves both.
    QVERIFY(QFile::remove(path(QStringLiteral("filler"))));
    QVERIFY(close());
    QCOMPARE(readBytes(path(WordFileName)), oldWords.mid(10));
    QCOMPARE(readBytes(path(ScoreFileName)), RankedScores);
}

// Only a write in place could save there, and a kill or a full disk would cut the file: the list
// is not saved, the player is told where, and both files stay as they were.
void TestFaults::folderThatTakesNoNewFileKeepsBothFiles()
{
    QVERIFY(writeBytes(path(ScoreFileName), StoredScores));
    const QByteArray old = wordFile({"MAISON", "ABRICOT", "CHANTER"});
    start(old);
    wordList().removeAt(1);
    const auto anyoneWrites = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther
                            | QFileDevice::WriteOther;
    QVERIFY(QFile::setPermissions(path(WordFileName), anyoneWrites));
    QVERIFY(QFile::setPermissions(path(ScoreFileName), anyoneWrites));
    setFolderWritable(false);

    bool closed = true;
    {
        AsNobody nobody;
        closed = close();
    }
    QVERIFY(!closed);
    QCOMPARE(m_errors, QStringList{QStringLiteral("Le fichier Pendu.dat ne peut être enregistré sans risque de le perdre : "
                                                  "le dossier \u00AB\u00A0%1\u00A0\u00BB n'accepte pas de nouveau fichier")
                                       .arg(QFileInfo(m_folder).canonicalFilePath())});
    QVERIFY(wordList().WordListDirty());
    QCOMPARE(readBytes(path(WordFileName)), old);
    QCOMPARE(readBytes(path(ScoreFileName)), StoredScores);
    QCOMPARE(entriesOf(m_folder), (QStringList{ScoreFileName, WordFileName}));
}

void TestFaults::unreadWordFileIsNeverReplaced()
{
    // Eight words that "nobody" may write over but not read.
    const QByteArray stored = wordFile({"MAISON", "ABRICOT", "CHANTER", "POMMES", "BATEAU", "JARDIN", "FENETRE", "GRENIER"});
    QVERIFY(writeBytes(path(WordFileName), stored));
    QVERIFY(QFile::setPermissions(path(WordFileName), QFileDevice::WriteOwner | QFileDevice::WriteOther));
    // The window refuses the change before its dialog comes up.
    QStringList messages;
    const ReportSink errorSink(ErrorReport::setSinkForTests, m_errors);
    const ReportSink messageSink(MessageBox::setSinkForTests, messages);
    TMainForm window(m_folder);
    {
        AsNobody nobody;
        window.show();
    }
    QTRY_COMPARE(m_errors, QStringList{QStringLiteral("Ne peut ouvrir le fichier Pendu.dat.")});
    window.setForms({new TAjout(&window)});

    const auto noDialog = [](QWidget *) { QFAIL("the word dialog came up"); };
    QVERIFY(!answerModal([&window] { window.Ajoutermot1Click(); }, noDialog));
    QVERIFY(!answerModal([&window] { window.Supprimermot1Click(); }, noDialog));

    const QString refused = QStringLiteral("Le fichier Pendu.dat n'a pas pu être lu : la liste de mots ne peut être modifiée");
    QCOMPARE(messages, (QStringList{refused, refused}));
    QVERIFY(window.wordList().isEmpty());
    QVERIFY(!window.wordList().WordListDirty());
    QVERIFY(window.close());
    QVERIFY(QFile::setPermissions(path(WordFileName), QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(readBytes(path(WordFileName)), stored);
}

void TestFaults::memoryRunningOutWhileLoadingLeavesTheFileUnread_data()
{
    QTest::addColumn<long>("allocations");
    QTest::newRow("at the first allocation") << 1L;
    QTest::newRow("with part of the list read") << 1000L;
}

// A list saved over a file read in part would lose the rest of its words.
void TestFaults::memoryRunningOutWhileLoadingLeavesTheFileUnread()
{
    QFETCH(long, allocations);

    // Entries too long to be held inside their string: each one read takes an allocation.
    std::vector<std::string> words;
    for (int i = 0; i < 100000; ++i)
        words.push_back("MOTTROPLONGPOURJOUER" + std::to_string(1000000 + i));
    const QByteArray stored = wordFile(words);
    QVERIFY(writeBytes(path(WordFileName), stored));
    QVERIFY(writeBytes(path(ScoreFileName), StoredScores));

    m_session = std::make_unique<Session>(m_folder, m_random);
    bool outOfMemory = false;
    allocationsBeforeFailure = allocations;
    try {
        m_session->startUp();
    } catch (const std::bad_alloc &) {
        outOfMemory = true;
    }
    allocationsBeforeFailure = 0;
    QVERIFY(outOfMemory);
    QVERIFY(wordList().fileUnread());
    QVERIFY(wordList().isEmpty());

    // Even changed, the list is never written, nor the score file the start-up did not read.
    wordList().append(Crypte("ORNITHORYNQUE"));
    QVERIFY(!close());
    QCOMPARE(m_errors, QStringList{WordList::unreadFileText()});
    QCOMPARE(readBytes(path(WordFileName)), stored);
    QCOMPARE(readBytes(path(ScoreFileName)), StoredScores);
}

void TestFaults::filesFollowTheirFolderWhenItIsRenamed()
{
    const QString game = m_dir->filePath(QStringLiteral("game"));
    const QString renamed = m_dir->filePath(QStringLiteral("renamed"));
    QVERIFY(QDir().mkdir(game));
    QVERIFY(writeBytes(game + QStringLiteral("/Pendu.dat"), wordFile({"MAISON", "ABRICOT"})));
    QVERIFY(writeBytes(game + QStringLiteral("/Orvpendu.ini"), StoredScores));
    // Started in its folder as the program is, the files named relative to it.
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(game));
    const auto back = qScopeGuard([&before] { QDir::setCurrent(before); });
    m_session = std::make_unique<Session>(QStringLiteral("."), m_random);
    QCOMPARE(errorOf([this] { m_session->startUp(); }), QString());

    wordList().removeAt(0);
    QVERIFY(QDir().rename(game, renamed));
    QVERIFY(close());
    QCOMPARE(m_errors, QStringList());
    QCOMPARE(readBytes(renamed + QStringLiteral("/Pendu.dat")), wordFile({"ABRICOT"}));
    QCOMPARE(readBytes(renamed + QStringLiteral("/Orvpendu.ini")), RankedScores);
    QCOMPARE(entriesOf(renamed), (QStringList{ScoreFileName, WordFileName}));
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
