// A run's start-up and shut-down without a window: what is loaded, ranked and written, in which
// order, and how a fault at each step leaves the files.
#include "Session.h"
#include "TestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestSession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpAndShutDownInTheirOrder_data();
    void startUpAndShutDownInTheirOrder();
};

void TestSession::startUpAndShutDownInTheirOrder_data()
{
    QTest::addColumn<QByteArray>("words");
    QTest::addColumn<QByteArray>("scores");
    QTest::addColumn<bool>("wordRemoved");
    QTest::addColumn<bool>("wordFileBlocked");
    QTest::addColumn<QString>("startError");
    QTest::addColumn<QStringList>("closeErrors");
    QTest::addColumn<QByteArray>("wordsAfter");
    QTest::addColumn<QByteArray>("scoresAfter");

    const QByteArray stored("Ana\r\nAna\t300\r\n");
    const QByteArray ranked = "Ana\r\nAna\t300\r\nAna\t0\r\n" + QByteArray("\t\r\n").repeated(8);
    const QByteArray twoWords = wordFile({"MAISON", "ABRICOT"});
    // The length filter drops CHAT, which alone does not make the closing rewrite the file.
    QTest::newRow("untouched list: the table read, then ranked and written")
        << wordFile({"MAISON", "CHAT"}) << stored << false << false << QString() << QStringList()
        << wordFile({"MAISON", "CHAT"}) << ranked;
    QTest::newRow("word file missing: no step after the load, nothing written")
        << QByteArray() << stored << false << false << QStringLiteral("Ne peut ouvrir le fichier Pendu.dat")
        << QStringList() << QByteArray() << stored;
    QTest::newRow("unreadable score text: reported, the closing goes on")
        << twoWords << QByteArray("Ana\r\nBob\tx\r\n") << true << false << QString()
        << QStringList{QStringLiteral("'x' n'est pas une valeur entière correcte")} << wordFile({"ABRICOT"})
        << "Ana\r\nBob\tx\r\n" + QByteArray("\t\r\n").repeated(9);
    QTest::newRow("word file unwritable: the next closing saves it, the run ranked once")
        << twoWords << stored << true << true << QString()
        << QStringList{QStringLiteral("Ne peut créer le fichier Pendu.dat")} << wordFile({"ABRICOT"}) << ranked;
}

void TestSession::startUpAndShutDownInTheirOrder()
{
    QFETCH(QByteArray, words);
    QFETCH(QByteArray, scores);
    QFETCH(bool, wordRemoved);
    QFETCH(bool, wordFileBlocked);
    QFETCH(QString, startError);
    QFETCH(QStringList, closeErrors);
    QFETCH(QByteArray, wordsAfter);
    QFETCH(QByteArray, scoresAfter);

    QTemporaryDir dir;
    const QString wordPath = dir.filePath(QStringLiteral("Pendu.dat"));
    const QString scorePath = dir.filePath(QStringLiteral("Orvpendu.ini"));
    if (!words.isNull())
        QVERIFY(writeBytes(wordPath, words));
    QVERIFY(writeBytes(scorePath, scores));

    ScriptedRandom random;
    Session session(dir.path(), random);
    QCOMPARE(errorOf([&] { session.startUp(); }), startError);
    QCOMPARE(session.wordFileLoaded(), startError.isNull());
    // The rules start, seeding their source, only once both files are read.
    QCOMPARE(random.seeds.size(), startError.isNull() ? 1 : 0);
    QVERIFY(!session.wordList().WordListDirty());

    if (wordRemoved)
        session.wordList().removeAt(0);
    if (wordFileBlocked)
        QVERIFY(QFile::remove(wordPath) && QDir(dir.path()).mkdir(QStringLiteral("Pendu.dat")));
    QStringList errors;
    QCOMPARE(session.shutDown(collectingGuard(errors)), !wordFileBlocked);
    if (wordFileBlocked) {
        QVERIFY(session.wordList().WordListDirty());
        QCOMPARE(readBytes(scorePath), scoresAfter);
        QVERIFY(QDir(dir.path()).rmdir(QStringLiteral("Pendu.dat")));
        QVERIFY(session.shutDown(collectingGuard(errors)));
    }
    QCOMPARE(errors, closeErrors);
    QCOMPARE(readBytes(wordPath), wordsAfter);
    QCOMPARE(readBytes(scorePath), scoresAfter);
}

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
