// A run's start-up and closing on hostile Pendu.dat and Orvpendu.ini contents, one child process
// per start: it never crashes or hangs, reports only the program's own texts, and writes no file it
// never read.
#include "Scramble.h"
#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// ORV_HOSTILE_RUNS starts (40 by default) drawn from ORV_HOSTILE_SEED; ORV_HOSTILE_BIG=1 makes the
// long line 100 MB instead of 4 MB.
int runCount()
{
    return qEnvironmentVariableIsSet("ORV_HOSTILE_RUNS") ? qEnvironmentVariableIntValue("ORV_HOSTILE_RUNS") : 40;
}

quint32 sampleSeed()
{
    return qEnvironmentVariableIsSet("ORV_HOSTILE_SEED") ? quint32(qEnvironmentVariableIntValue("ORV_HOSTILE_SEED"))
                                                         : 20261208u;
}

qsizetype longLine()
{
    return qEnvironmentVariableIntValue("ORV_HOSTILE_BIG") == 1 ? 100 * 1024 * 1024 : 4 * 1024 * 1024;
}

// Seconds a start may take before it counts as a hang.
int timeLimit()
{
    return qEnvironmentVariableIsSet("ORV_HOSTILE_TIMEOUT") ? qEnvironmentVariableIntValue("ORV_HOSTILE_TIMEOUT") : 60;
}

enum WordKind { PlayableWords, WordRandomBytes, WordZeroBytes, WordLongLine, WordEmptyLines, WordLoneCrs,
                WordCtrlZ, WordNoise, WordFolder, WordMissing, WordKinds };
enum ScoreKind { ScoreMissing, ScoreValid, ScoreRandomBytes, ScoreZeroBytes, ScoreOverlongTexts, ScoreTabNames,
                 ScoreOutOfRange, ScoreLoneCrs, ScoreCtrlZ, ScoreFolder, ScoreEmptyLines, ScoreKinds };

const char *const WordKindNames[] = {"playable words", "random bytes", "zero bytes", "long single line",
                                     "a million empty lines", "lone CRs", "Ctrl-Z", "words among noise",
                                     "a folder", "missing"};
const char *const ScoreKindNames[] = {"missing", "valid table", "random bytes", "zero bytes", "overlong score texts",
                                      "names with TABs", "out-of-range and $ scores", "lone CRs and LFs", "Ctrl-Z",
                                      "a folder", "a million empty lines"};

QByteArray randomBytes(QRandomGenerator &rng, int most)
{
    QByteArray bytes(rng.bounded(most + 1), Qt::Uninitialized);
    for (char &c : bytes)
        c = char(rng.bounded(256));
    return bytes;
}

QByteArray scrambled(QRandomGenerator &rng, int minLength, int maxLength)
{
    std::string word;
    for (int i = rng.bounded(minLength, maxLength + 1); i > 0; --i)
        word += char('A' + rng.bounded(26));
    return toQByteArray(Crypte(word));
}

QByteArray wordContent(WordKind kind, QRandomGenerator &rng)
{
    QByteArray bytes;
    switch (kind) {
    case PlayableWords:
        for (int i = rng.bounded(1, 30); i > 0; --i)
            bytes += scrambled(rng, 6, 12) + "\r\n";
        return bytes;
    case WordRandomBytes:
        return randomBytes(rng, 65536);
    case WordZeroBytes:
        return scrambled(rng, 6, 12) + "\r\n" + QByteArray(rng.bounded(1, 4096), '\0') + scrambled(rng, 6, 12);
    case WordLongLine:
        return QByteArray(longLine(), char('A' + rng.bounded(26)));
    case WordEmptyLines:
        return QByteArray("\r\n").repeated(1000000) + (rng.bounded(2) ? scrambled(rng, 6, 12) : QByteArray());
    case WordLoneCrs:
        for (int i = rng.bounded(1, 200); i > 0; --i)
            bytes += scrambled(rng, 1, 14) + QByteArray(rng.bounded(1, 4), '\r');
        return bytes;
    case WordCtrlZ:
        for (int i = rng.bounded(1, 50); i > 0; --i)
            bytes += scrambled(rng, 3, 8) + "\x1A" + scrambled(rng, 0, 6) + "\r\n";
        return bytes;
    case WordNoise:
        for (int i = rng.bounded(1, 300); i > 0; --i)
            bytes += (rng.bounded(3) == 0 ? scrambled(rng, 6, 12) : randomBytes(rng, 40)) + "\n";
        return bytes;
    default:
        return bytes;
    }
}

QByteArray table(QRandomGenerator &rng, const QByteArray &name, const QList<QByteArray> &scores)
{
    QByteArray bytes = name + "\r\n";
    for (const QByteArray &score : scores)
        bytes += "P" + QByteArray::number(rng.bounded(100)) + "\t" + score + "\r\n";
    return bytes;
}

QByteArray scoreContent(ScoreKind kind, QRandomGenerator &rng)
{
    QList<QByteArray> scores;
    switch (kind) {
    case ScoreValid:
        for (int i = 0; i < 10; ++i)
            scores << QByteArray::number(1000 - 100 * i);
        return table(rng, "Ana", scores);
    case ScoreRandomBytes:
        return randomBytes(rng, 4096);
    case ScoreZeroBytes:
        return QByteArray(rng.bounded(1, 64), '\0') + table(rng, "Z\0e", {"5", QByteArray("1\0002", 3)});
    case ScoreOverlongTexts:
        return table(rng, QByteArray(rng.bounded(1, 100000), 'n'),
                     {QByteArray(300, '9'), QByteArray(1000000, '1'), "-" + QByteArray(256, '0') + "7"});
    case ScoreTabNames:
        return table(rng, "Jean\tPaul\t", {"12\t5", "\t", "7"});
    case ScoreOutOfRange:
        scores = {"2147483648", "-2147483649", "$100000000", "$FFFFFFFF", "$7fffffff", "$", "-", "+", " 12", "12 "};
        std::shuffle(scores.begin(), scores.end(), rng);
        return table(rng, "Max", scores);
    case ScoreLoneCrs:
        return "P\rA\t5\r\rB\t4\n\rC\t3\nD\t2\r\n\r";
    case ScoreCtrlZ:
        return "P\x1A\r\nA\t5\r\nB\t4\x1A\r\n" + table(rng, "Q", {"1", "2"});
    case ScoreEmptyLines:
        return QByteArray("\r\n").repeated(1000000);
    default:
        return QByteArray();
    }
}

const QString ScoreNames[] = {QStringLiteral("Orvpendu.ini"), QStringLiteral("OrvPendu.ini"), QStringLiteral("ORVPENDU.INI")};

bool isProgramText(const QString &error)
{
    return error == QLatin1String("Ne peut ouvrir le fichier Pendu.dat")
        || error == QLatin1String("Aucun mot jouable dans le dictionnaire")
        || (error.startsWith(u'\'') && error.endsWith(QStringLiteral("' n'est pas une valeur entière correcte")));
}

} // namespace

class TestHostileStart : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startSurvivesHostileFiles_data();
    void startSurvivesHostileFiles();
    void startTakesOnlyRegularFiles_data();
    void startTakesOnlyRegularFiles();
};

void TestHostileStart::startSurvivesHostileFiles_data()
{
    QTest::addColumn<int>("wordKind");
    QTest::addColumn<int>("scoreKind");
    QTest::addColumn<quint32>("seed");

    // Every kind of each file within the first runs, then in varied pairs.
    QRandomGenerator pick(sampleSeed());
    for (int run = 0; run < runCount(); ++run) {
        const int words = run < 2 * WordKinds ? run % WordKinds : pick.bounded(int(WordKinds));
        const int scores = run < 2 * WordKinds ? (run * 7) % ScoreKinds : pick.bounded(int(ScoreKinds));
        QTest::addRow("%04d %s / %s", run, WordKindNames[words], ScoreKindNames[scores]) << words << scores << pick.generate();
    }
}

void TestHostileStart::startSurvivesHostileFiles()
{
    QFETCH(int, wordKind);
    QFETCH(int, scoreKind);
    QFETCH(quint32, seed);

    QRandomGenerator rng(seed);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString wordPath = dir.filePath(QStringLiteral("Pendu.dat"));
    const QString scorePath = dir.filePath(ScoreNames[rng.bounded(3)]);

    QByteArray words;
    if (wordKind == WordFolder)
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pendu.dat")));
    else if (wordKind != WordMissing)
        QVERIFY(writeBytes(wordPath, words = wordContent(WordKind(wordKind), rng)));
    QByteArray scores;
    if (scoreKind == ScoreFolder)
        QVERIFY(QDir(dir.path()).mkdir(QFileInfo(scorePath).fileName()));
    else if (scoreKind != ScoreMissing)
        QVERIFY(writeBytes(scorePath, scores = scoreContent(ScoreKind(scoreKind), rng)));
    const QStringList before = entriesOf(dir.path());

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(ORV_STARTONCE), {dir.path()});
    QVERIFY(child.waitForStarted());
    if (!child.waitForFinished(timeLimit() * 1000)) {
        child.kill();
        child.waitForFinished();
        QFAIL("the start did not end within the time limit");
    }
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);

    const QStringList output = QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    const bool readWords = wordKind != WordFolder && wordKind != WordMissing;
    QCOMPARE(output.value(0), QStringLiteral("loaded %1").arg(readWords ? 1 : 0));
    QCOMPARE(output.value(2), QStringLiteral("closed 1"));
    for (const QString &line : output.mid(3)) {
        const QString error = QString::fromUtf8(QByteArray::fromPercentEncoding(line.mid(6).toLatin1()));
        QVERIFY2(line.startsWith(QLatin1String("error ")) && isProgramText(error), qPrintable(line));
    }

    // Nothing changes the list, so the word file is never rewritten; no file is left beside.
    if (wordKind == WordFolder)
        QVERIFY(QFileInfo(wordPath).isDir());
    else if (wordKind != WordMissing)
        QCOMPARE(readBytes(wordPath), words);
    if (!readWords) {
        // The score file was never read: it must not have been written.
        QCOMPARE(entriesOf(dir.path()), before);
        if (scoreKind == ScoreFolder)
            QVERIFY(QFileInfo(scorePath).isDir());
        else if (scoreKind != ScoreMissing)
            QCOMPARE(readBytes(scorePath), scores);
    } else if (scoreKind == ScoreFolder) {
        QVERIFY(QFileInfo(scorePath).isDir());
    }
}

namespace {

// The kind of what the name itself is (a link is not followed), as stat's mode bits.
mode_t typeOf(const QString &path)
{
    struct stat status {};
    return lstat(QFile::encodeName(path).constData(), &status) == 0 ? (status.st_mode & S_IFMT) : 0;
}

} // namespace

void TestHostileStart::startTakesOnlyRegularFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");

    QTest::newRow("Pendu.dat a FIFO") << QStringLiteral("Pendu.dat") << QStringLiteral("fifo");
    QTest::newRow("Pendu.dat a link to a character device") << QStringLiteral("Pendu.dat") << QStringLiteral("device");
    QTest::newRow("Orvpendu.ini a FIFO") << QStringLiteral("Orvpendu.ini") << QStringLiteral("fifo");
    QTest::newRow("Orvpendu.ini a link to a character device") << QStringLiteral("Orvpendu.ini") << QStringLiteral("device");
    QTest::newRow("Orvpendu.ini 256 MiB of zero bytes") << QStringLiteral("Orvpendu.ini") << QStringLiteral("zeros");
    QTest::newRow("Orvpendu.ini a sparse GiB") << QStringLiteral("Orvpendu.ini") << QStringLiteral("sparse");
}

void TestHostileStart::startTakesOnlyRegularFiles()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString odd = dir.filePath(name);
    const QByteArray words = toQByteArray(Crypte("MAISON")) + "\r\n" + toQByteArray(Crypte("ABRICOT")) + "\r\n";
    const QByteArray scores("Ana\r\nAna\t300\r\n");
    for (const auto &[file, bytes] : {std::pair{QStringLiteral("Pendu.dat"), words}, {QStringLiteral("Orvpendu.ini"), scores}})
        if (file != name)
            QVERIFY(writeBytes(dir.filePath(file), bytes));
    if (kind == QLatin1String("fifo")) {
        QVERIFY(mkfifo(QFile::encodeName(odd).constData(), 0644) == 0);
    } else if (kind == QLatin1String("device")) {
        // A node of its own, like /dev/zero: a fault then never reaches the system's.
        if (mknod(QFile::encodeName(dir.filePath(QStringLiteral("zero"))).constData(), S_IFCHR | 0666, makedev(1, 5)) != 0)
            QSKIP("This user cannot create a device node.");
        QVERIFY(QFile::link(QStringLiteral("zero"), odd));
    } else {
        QFile sparse(odd);
        QVERIFY(sparse.open(QIODevice::WriteOnly) && sparse.resize(kind == QLatin1String("zeros") ? 256 << 20 : 1 << 30));
    }
    const mode_t oddType = typeOf(odd);
    const QStringList before = entriesOf(dir.path());

    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(ORV_STARTONCE), {dir.path()});
    QVERIFY(child.waitForStarted());
    QElapsedTimer clock;
    clock.start();
    // Within seconds: a device read without end would take all memory in a minute.
    if (!child.waitForFinished(std::min(timeLimit(), 20) * 1000)) {
        child.kill();
        child.waitForFinished();
        QFAIL("the start did not end within the time limit");
    }
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);

    const bool wordFileOdd = name == QLatin1String("Pendu.dat");
    QStringList expected{QStringLiteral("loaded %1").arg(wordFileOdd ? 0 : 1), QStringLiteral("closed 1")};
    // The new game then finds no word to play.
    if (wordFileOdd)
        expected << QStringLiteral("error Ne peut ouvrir le fichier Pendu.dat")
                 << QStringLiteral("error Aucun mot jouable dans le dictionnaire");
    QStringList output = QString::fromUtf8(child.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    output.removeAt(1);
    QCOMPARE(output, expected);

    QCOMPARE(entriesOf(dir.path()), before);
    QCOMPARE(typeOf(odd), oddType);
    if (kind == QLatin1String("device"))
        QCOMPARE(typeOf(dir.filePath(QStringLiteral("zero"))), mode_t(S_IFCHR));
    // The other file is as it was: the start stops before the score file when the word file fails,
    // and nothing changes the list.
    const QString other = wordFileOdd ? QStringLiteral("Orvpendu.ini") : QStringLiteral("Pendu.dat");
    QCOMPARE(readBytes(dir.filePath(other)), wordFileOdd ? scores : words);
    if (kind == QLatin1String("zeros") || kind == QLatin1String("sparse")) {
        // Only the name's bytes are kept, and the holes are never read.
        QVERIFY2(clock.elapsed() < 3000, qPrintable(QStringLiteral("%1 ms").arg(clock.elapsed())));
        // Read as a name of 255 zero bytes, then written back with the run ranked under it.
        const QByteArray now = readBytes(odd);
        QVERIFY2(now.size() < 1024, qPrintable(QString::number(now.size())));
        QVERIFY(now.startsWith(QByteArray(255, '\0') + "\r\n"));
    }
}

QTEST_GUILESS_MAIN(TestHostileStart)
#include "tst_hostilestart.moc"
