// The score file: reading, score text conversion, ranking and saving.
#include "Cp1252.h"
#include "OrvError.h"
#include "ScoreFile.h"
#include "ScoreValue.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <climits>
#include <functional>
#include <unistd.h>

namespace {

const QString FileName = QStringLiteral("Orvpendu.ini");
const QString NotAnInteger = QStringLiteral("'%1' n'est pas une valeur entière correcte");

QByteArray fileOf(const QByteArray &player, const QByteArrayList &ranks)
{
    QByteArray bytes = player + "\r\n";
    for (const QByteArray &rank : ranks)
        bytes += rank + "\r\n";
    return bytes;
}

// The ten ranks as "name TAB score", the way the file holds them.
QByteArrayList ranksOf(const ScoreFile &scores)
{
    QByteArrayList ranks;
    for (const TopTenEntry &entry : scores.TopTen())
        ranks << toQByteArray(entry.name) + '\t' + toQByteArray(entry.score);
    return ranks;
}

QByteArrayList padded(QByteArrayList ranks)
{
    while (ranks.size() < ScoreFile::Ranks)
        ranks << QByteArray("\t");
    return ranks;
}

const QByteArrayList FullTable{"A\t100", "B\t90", "C\t80", "D\t70", "E\t60",
                               "F\t50",  "G\t40", "H\t30", "I\t20", "J\t10"};

} // namespace

class TestScoreFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadReadsNameAndRanks_data();
    void loadReadsNameAndRanks();
    void fileIsFoundWhateverItsCase_data();
    void fileIsFoundWhateverItsCase();
    void playerNameIsStoredAsTheFileCanKeepIt_data();
    void playerNameIsStoredAsTheFileCanKeepIt();

    void scoreTextConverts_data();
    void scoreTextConverts();
    void failedConversionQuotesTheText();

    void rankingPlacesTheRun_data();
    void rankingPlacesTheRun();
    void runIsRankedAtMostOnce_data();
    void runIsRankedAtMostOnce();

    void saveWritesElevenCrLfLines_data();
    void saveWritesElevenCrLfLines();
    void saveNeedsTheFileRead_data();
    void saveNeedsTheFileRead();
    void saveThatCannotCreateIsSilent_data();
    void saveThatCannotCreateIsSilent();
    void saveCutShortLeavesTheOldFile();
};

void TestScoreFile::loadReadsNameAndRanks_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QByteArray>("player");
    QTest::addColumn<QByteArrayList>("ranks");

    const QByteArray longText(300, '7');
    QByteArrayList twelve;
    for (int i = 1; i <= 12; ++i)
        twelve << "N" + QByteArray::number(i) + "\t" + QByteArray::number(i);

    QTest::newRow("no file") << false << QByteArray() << QByteArray() << QByteArrayList{};
    QTest::newRow("empty file") << true << QByteArray() << QByteArray() << QByteArrayList{};
    QTest::newRow("CR LF") << true << QByteArray("Zo\xE9\r\nAnn\t120\r\nBob\t50\r\n") << QByteArray("Zo\xE9")
                           << QByteArrayList{"Ann\t120", "Bob\t50"};
    QTest::newRow("CR alone") << true << QByteArray("P\rAnn\t120\rBob\t50\r") << QByteArray("P")
                              << QByteArrayList{"Ann\t120", "Bob\t50"};
    QTest::newRow("LF alone") << true << QByteArray("P\nAnn\t120\nBob\t50\n") << QByteArray("P")
                              << QByteArrayList{"Ann\t120", "Bob\t50"};
    QTest::newRow("mixed line ends") << true << QByteArray("P\nA\t1\rB\t2\r\nC\t3") << QByteArray("P")
                                     << QByteArrayList{"A\t1", "B\t2", "C\t3"};
    QTest::newRow("LF CR is two line ends") << true << QByteArray("P\n\rA\t1\r\n") << QByteArray("P")
                                            << QByteArrayList{"\t", "A\t1"};
    QTest::newRow("fourth line without TAB leaves rank 3 empty")
        << true << fileOf("P", {"A\t3", "B\t2", "no tab", "D\t1"}) << QByteArray("P")
        << QByteArrayList{"A\t3", "B\t2", "\t", "D\t1"};
    QTest::newRow("byte 26 ends the file") << true << QByteArray("P\r\nA\t1\r\nB\t2\x1A" "3\r\nC\t4\r\n")
                                           << QByteArray("P") << QByteArrayList{"A\t1", "B\t2"};
    QTest::newRow("byte 26 in the name line") << true << QByteArray("Pa\x1Aul\r\nA\t1\r\n") << QByteArray("Pa")
                                              << QByteArrayList{};
    QTest::newRow("lines past the eleventh ignored")
        << true << fileOf("P", twelve) << QByteArray("P") << twelve.mid(0, 10);
    QTest::newRow("score text cut to 255, name whole")
        << true << fileOf("P", {longText + "\t" + longText}) << QByteArray("P")
        << QByteArrayList{longText + "\t" + longText.left(255)};
    QTest::newRow("player name cut to 255 like the scores") << true << fileOf(longText, {"A\t1"})
                                                           << longText.left(255) << QByteArrayList{"A\t1"};
    QTest::newRow("further TABs belong to the score") << true << fileOf("P", {"A\tB\tC"}) << QByteArray("P")
                                                      << QByteArrayList{"A\tB\tC"};
    QTest::newRow("TAB in the name line kept") << true << fileOf("Jean\tPaul", {"A\t1"})
                                               << QByteArray("Jean\tPaul") << QByteArrayList{"A\t1"};
    QTest::newRow("leading space of a score kept") << true << fileOf("P", {"A\t 12"}) << QByteArray("P")
                                                   << QByteArrayList{"A\t 12"};
}

void TestScoreFile::loadReadsNameAndRanks()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, bytes);
    QFETCH(QByteArray, player);
    QFETCH(QByteArrayList, ranks);

    QTemporaryDir dir;
    if (exists)
        QVERIFY(writeBytes(dir.filePath(FileName), bytes));
    ScoreFile scores(dir.path());
    scores.LoadScoreFile();
    QCOMPARE(toQByteArray(scores.PlayerName()), player);
    QCOMPARE(ranksOf(scores), padded(ranks));
}

void TestScoreFile::fileIsFoundWhateverItsCase_data()
{
    QTest::addColumn<QStringList>("present");
    QTest::addColumn<QString>("used");

    QTest::newRow("usual name") << QStringList{FileName} << FileName;
    QTest::newRow("capital P") << QStringList{QStringLiteral("OrvPendu.ini")} << QStringLiteral("OrvPendu.ini");
    QTest::newRow("all capitals") << QStringList{QStringLiteral("ORVPENDU.INI")} << QStringLiteral("ORVPENDU.INI");
    QTest::newRow("usual name wins")
        << QStringList{QStringLiteral("ORVPENDU.INI"), FileName, QStringLiteral("orvpendu.ini")} << FileName;
    QTest::newRow("none: usual name created") << QStringList{} << FileName;
    QTest::newRow("look-alikes ignored")
        << QStringList{QStringLiteral("Orvpendu.ini.bak"), QStringLiteral("xorvpendu.ini")} << FileName;
}

void TestScoreFile::fileIsFoundWhateverItsCase()
{
    QFETCH(QStringList, present);
    QFETCH(QString, used);

    // Each file holds its own name as player name, so the one read shows.
    QTemporaryDir dir;
    for (const QString &name : present)
        QVERIFY(writeBytes(dir.filePath(name), name.toLatin1() + "\r\n"));
    ScoreFile scores(dir.path());
    scores.LoadScoreFile();
    const QByteArray player = present.contains(used) ? used.toLatin1() : QByteArray();
    QCOMPARE(toQByteArray(scores.PlayerName()), player);

    scores.MeilleurScore(1);
    scores.SaveScoreFile();
    QVERIFY(readBytes(dir.filePath(used)).startsWith(player + "\r\n" + player + "\t1\r\n"));
    for (const QString &name : present)
        if (name != used)
            QCOMPARE(readBytes(dir.filePath(name)), name.toLatin1() + "\r\n");
    QStringList files = present;
    if (!files.contains(used))
        files << used;
    files.sort();
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name), files);
}

void TestScoreFile::playerNameIsStoredAsTheFileCanKeepIt_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("kept");

    QTest::newRow("control characters become spaces")
        << QByteArray() << QStringLiteral("Jean\tPaul\x01\x7F") << QByteArray("Jean Paul  ");
    QTest::newRow("outside Windows-1252 becomes ?")
        << QByteArray() << QStringLiteral("Zoë€中") << QByteArray("Zo\xEB\x80?");
    // As when the player dialog is cancelled: the name handed back is the one it was given.
    QTest::newRow("unchanged name keeps its bytes as read")
        << QByteArray("Jean\tPaul\x81") << QString() << QByteArray("Jean\tPaul\x81");
}

void TestScoreFile::playerNameIsStoredAsTheFileCanKeepIt()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, typed);
    QFETCH(QByteArray, kept);

    ScoreFile scores(QStringLiteral("."));
    scores.setPlayerName(toStd(stored));
    scores.setPlayerNameText(typed.isNull() ? scores.playerNameText() : typed);
    QCOMPARE(toQByteArray(scores.PlayerName()), kept);
}

void TestScoreFile::scoreTextConverts_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("leading spaces") << QByteArray("  12") << true << 12;
    QTest::newRow("plus sign") << QByteArray("+5") << true << 5;
    QTest::newRow("minus sign") << QByteArray(" -7") << true << -7;
    QTest::newRow("minus zero") << QByteArray("-0") << true << 0;
    QTest::newRow("many leading zeros") << QByteArray("000000000000000000042") << true << 42;
    QTest::newRow("lowest") << QByteArray("-2147483648") << true << INT_MIN;
    QTest::newRow("highest") << QByteArray("2147483647") << true << INT_MAX;
    QTest::newRow("hex all ones is -1") << QByteArray("$FFFFFFFF") << true << -1;
    QTest::newRow("hex lower case") << QByteArray("$7fffffff") << true << INT_MAX;
    QTest::newRow("hex top bit") << QByteArray("$80000000") << true << INT_MIN;
    QTest::newRow("hex leading zeros") << QByteArray(" $0000000000000010") << true << 16;

    QTest::newRow("above highest") << QByteArray("2147483648") << false << 0;
    QTest::newRow("below lowest") << QByteArray("-2147483649") << false << 0;
    QTest::newRow("far past 64 bits") << QByteArray("99999999999999999999999") << false << 0;
    QTest::newRow("hex past 32 bits") << QByteArray("$100000000") << false << 0;
    QTest::newRow("trailing space") << QByteArray("12 ") << false << 0;
    QTest::newRow("empty") << QByteArray("") << false << 0;
    QTest::newRow("spaces only") << QByteArray("   ") << false << 0;
    QTest::newRow("sign alone") << QByteArray("-") << false << 0;
    QTest::newRow("dollar alone") << QByteArray("$") << false << 0;
    QTest::newRow("letter after digits") << QByteArray("1a") << false << 0;
    QTest::newRow("C hex prefix") << QByteArray("0x10") << false << 0;
    QTest::newRow("hex letter past F") << QByteArray("$1G") << false << 0;
    QTest::newRow("sign before dollar") << QByteArray("-$10") << false << 0;
    QTest::newRow("space after sign") << QByteArray("- 5") << false << 0;
    QTest::newRow("two signs") << QByteArray("+-5") << false << 0;
    QTest::newRow("TAB is not a space") << QByteArray("\t5") << false << 0;
    QTest::newRow("decimal point") << QByteArray("1.5") << false << 0;
    QTest::newRow("zero byte after digits") << QByteArray("5\0", 2) << false << 0;
    QTest::newRow("8-bit superscript two") << QByteArray("\xB2") << false << 0;
}

void TestScoreFile::scoreTextConverts()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, valid);
    QFETCH(int, value);

    qint32 got = 0;
    const QString error = errorOf([&] { got = scoreValue(toStd(text)); });
    QCOMPARE(error.isEmpty(), valid);
    if (valid)
        QCOMPARE(got, value);
}

void TestScoreFile::failedConversionQuotesTheText()
{
    QCOMPARE(errorOf([] { scoreValue("12 "); }), QStringLiteral("'12 ' n'est pas une valeur entière correcte"));
    QCOMPARE(errorOf([] { scoreValue("1\xE9"); }), QStringLiteral("'1é' n'est pas une valeur entière correcte"));
}

void TestScoreFile::rankingPlacesTheRun_data()
{
    QTest::addColumn<QByteArrayList>("before");
    QTest::addColumn<int>("score");
    QTest::addColumn<QByteArrayList>("after");
    QTest::addColumn<QString>("error");

    const QString none;
    QTest::newRow("empty table takes 0 or more") << QByteArrayList{} << 120 << QByteArrayList{"Moi\t120"} << none;
    QTest::newRow("empty table refuses a negative score") << QByteArrayList{} << -5 << QByteArrayList{} << none;
    QTest::newRow("tie goes above") << QByteArrayList{"A\t200", "B\t120", "C\t50"} << 120
                                    << QByteArrayList{"A\t200", "Moi\t120", "B\t120", "C\t50"} << none;
    QTest::newRow("rank 1 in a full table") << FullTable << 500
                                            << QByteArrayList{"Moi\t500"} + FullTable.mid(0, 9) << none;
    QTest::newRow("last rank in a full table") << FullTable << 15
                                               << FullTable.mid(0, 9) + QByteArrayList{"Moi\t15"} << none;
    QTest::newRow("all higher: unchanged") << FullTable << 5 << FullTable << none;
    QTest::newRow("score 0 under three positive entries")
        << QByteArrayList{"A\t30", "B\t20", "C\t10"} << 0 << QByteArrayList{"A\t30", "B\t20", "C\t10", "Moi\t0"}
        << none;
    QTest::newRow("negative among negatives") << QByteArrayList{"A\t-3", "B\t-10"} << -5
                                              << QByteArrayList{"A\t-3", "Moi\t-5", "B\t-10"} << none;
    QTest::newRow("lowest score ties the lowest entry")
        << QByteArrayList{"A\t-2147483648"} << INT_MIN << QByteArrayList{"Moi\t-2147483648", "A\t-2147483648"}
        << none;
    QTest::newRow("empty rank in the middle counts as 0")
        << QByteArrayList{"A\t10", "\t", "B\t5"} << 3 << QByteArrayList{"A\t10", "Moi\t3", "\t", "B\t5"} << none;
    QTest::newRow("moved texts keep their leading space")
        << QByteArrayList{"A\t 300", "B\t 100"} << 200 << QByteArrayList{"A\t 300", "Moi\t200", "B\t 100"} << none;
    QTest::newRow("hex entry compared by its value")
        << QByteArrayList{"A\t$FFFFFFFF"} << 0 << QByteArrayList{"Moi\t0", "A\t$FFFFFFFF"} << none;
    QTest::newRow("failing text above the place")
        << QByteArrayList{"A\t300", "B\tbad", "C\t10"} << 50 << QByteArrayList{"A\t300", "B\tbad", "C\t10"}
        << NotAnInteger.arg(QStringLiteral("bad"));
    QTest::newRow("failing text below the place is never read")
        << QByteArrayList{"A\t300", "B\t100", "C\tbad"} << 200
        << QByteArrayList{"A\t300", "Moi\t200", "B\t100", "C\tbad"} << none;
    QTest::newRow("trailing space fails when reached") << QByteArrayList{"A\t12 "} << 5
                                                       << QByteArrayList{"A\t12 "}
                                                       << NotAnInteger.arg(QStringLiteral("12 "));
}

void TestScoreFile::rankingPlacesTheRun()
{
    QFETCH(QByteArrayList, before);
    QFETCH(int, score);
    QFETCH(QByteArrayList, after);
    QFETCH(QString, error);

    // The player was renamed during the run: the run goes under the name in force now.
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(FileName), fileOf("Ancien", before)));
    ScoreFile scores(dir.path());
    scores.LoadScoreFile();
    scores.setPlayerName("Moi");
    QCOMPARE(errorOf([&] { scores.MeilleurScore(score); }), error);
    QCOMPARE(ranksOf(scores), padded(after));
}

void TestScoreFile::runIsRankedAtMostOnce_data()
{
    QTest::addColumn<QByteArrayList>("before");
    QTest::addColumn<QString>("firstError");
    QTest::addColumn<QByteArrayList>("after");

    QTest::newRow("after a ranking") << QByteArrayList{"A\t5"} << QString() << QByteArrayList{"Moi\t10", "A\t5"};
    QTest::newRow("after a conversion failure")
        << QByteArrayList{"A\tbad"} << NotAnInteger.arg(QStringLiteral("bad")) << QByteArrayList{"A\tbad"};
}

void TestScoreFile::runIsRankedAtMostOnce()
{
    QFETCH(QByteArrayList, before);
    QFETCH(QString, firstError);
    QFETCH(QByteArrayList, after);

    // A closing tried twice (the word file failed to save) must not enter the run twice.
    QTemporaryDir dir;
    QVERIFY(writeBytes(dir.filePath(FileName), fileOf("Moi", before)));
    ScoreFile scores(dir.path());
    scores.LoadScoreFile();
    QCOMPARE(errorOf([&] { scores.MeilleurScore(10); }), firstError);
    scores.SaveScoreFile();
    QCOMPARE(errorOf([&] { scores.MeilleurScore(10); }), QString());
    scores.SaveScoreFile();
    QCOMPARE(ranksOf(scores), padded(after));
    QCOMPARE(readBytes(dir.filePath(FileName)), fileOf("Moi", padded(after)));
}

void TestScoreFile::saveWritesElevenCrLfLines_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("player");
    QTest::addColumn<int>("score");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray noFile;
    const QByteArray keep;
    const auto lones = [](int n) { return QByteArray("\t\r\n").repeated(n); };

    QTest::newRow("first run, score 120") << noFile << keep << 120 << "\r\n\t120\r\n" + lones(9);
    QTest::newRow("first run, negative score") << noFile << keep << -1 << "\r\n" + lones(10);
    QTest::newRow("LF file of 13 lines") << QByteArray("P\nA\t5\nB\t4\n").append(QByteArray("C\t3\n").repeated(10))
                                         << keep << -1
                                         << "P\r\nA\t5\r\nB\t4\r\n" + QByteArray("C\t3\r\n").repeated(8);
    QTest::newRow("renamed player, 8-bit name") << fileOf("Ancien", {"A\t50"}) << QByteArray("Zo\xE9") << 60
                                                << "Zo\xE9\r\nZo\xE9\t60\r\nA\t50\r\n" + lones(8);
    QTest::newRow("TAB in the player name") << noFile << QByteArray("Jean\tPaul") << 7
                                            << "Jean\tPaul\r\nJean\tPaul\t7\r\n" + lones(9);
    QTest::newRow("all higher: same entries") << fileOf("P", FullTable) << keep << 5 << fileOf("P", FullTable);
}

void TestScoreFile::saveWritesElevenCrLfLines()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, player);
    QFETCH(int, score);
    QFETCH(QByteArray, expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(FileName);
    if (!before.isNull())
        QVERIFY(writeBytes(path, before));
    ScoreFile scores(dir.path());
    scores.LoadScoreFile();
    if (!player.isNull())
        scores.setPlayerName(toStd(player));
    scores.MeilleurScore(score);
    scores.SaveScoreFile();
    QCOMPARE(readBytes(path), expected);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{FileName});
}

void TestScoreFile::saveNeedsTheFileRead_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("load");

    QTest::newRow("never loaded, file present") << true << false;
    QTest::newRow("never loaded, no file") << false << false;
    QTest::newRow("file present but unreadable") << true << true;
}

void TestScoreFile::saveNeedsTheFileRead()
{
    QFETCH(bool, exists);
    QFETCH(bool, load);

    // The stored table must never be replaced by one that was not read from it.
    QTemporaryDir dir;
    const QString path = dir.filePath(FileName);
    const QByteArray stored = fileOf("P", FullTable);
    if (exists)
        QVERIFY(writeBytes(path, stored));
    ScoreFile scores(dir.path());
    if (load) {
        if (geteuid() == 0)
            QSKIP("File permissions do not stop the superuser from reading.");
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        scores.LoadScoreFile();
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    }
    scores.MeilleurScore(500);
    scores.SaveScoreFile();
    QCOMPARE(QFile::exists(path), exists);
    if (exists)
        QCOMPARE(readBytes(path), stored);
}

void TestScoreFile::saveThatCannotCreateIsSilent_data()
{
    QTest::addColumn<bool>("folderMissing");
    QTest::newRow("folder missing") << true;
    QTest::newRow("name taken by a folder") << false;
}

void TestScoreFile::saveThatCannotCreateIsSilent()
{
    QFETCH(bool, folderMissing);

    QTemporaryDir dir;
    if (!folderMissing)
        QVERIFY(QDir(dir.path()).mkdir(FileName));
    ScoreFile scores(folderMissing ? dir.filePath(QStringLiteral("gone")) : dir.path());
    scores.LoadScoreFile();
    scores.MeilleurScore(120);
    scores.SaveScoreFile();
    const QStringList left = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QCOMPARE(left, folderMissing ? QStringList{} : QStringList{FileName});
    QCOMPARE(QFileInfo(dir.filePath(FileName)).isDir(), !folderMissing);
}

void TestScoreFile::saveCutShortLeavesTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(FileName);
    const QByteArray old = fileOf("Ancien", {"A\t50"});
    QVERIFY(writeBytes(path, old));
    ScoreFile scores(dir.path());
    scores.LoadScoreFile();
    scores.setPlayerName(std::string(100000, 'x'));
    scores.MeilleurScore(60);

    {
        ResourceLimit small(RLIMIT_FSIZE, 4096);
        QVERIFY(small.ok());
        scores.SaveScoreFile();
    }

    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{FileName});
}

QTEST_GUILESS_MAIN(TestScoreFile)
#include "tst_scorefile.moc"
