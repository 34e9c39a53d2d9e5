// The word file: scrambling, loading, filtering, sorting, lookup and saving.
#include "OrvError.h"
#include "Scramble.h"
#include "TestSupport.h"
#include "TextCollation.h"
#include "WordList.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using Entries = std::vector<std::string>;
Q_DECLARE_METATYPE(Entries)

namespace {

std::string randomWord(QRandomGenerator &rng, const char *alphabet, int minLen, int maxLen)
{
    const int len = int(rng.bounded(minLen, maxLen + 1));
    const int n = int(std::strlen(alphabet));
    std::string w;
    for (int i = 0; i < len; ++i)
        w += alphabet[rng.bounded(n)];
    return w;
}

} // namespace

class TestWordList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scramblingMatchesKnownBytes();
    void scramblingRoundTripsEveryByteAtEveryPosition();

    void loadCutsLines_data();
    void loadCutsLines();
    void loadMissingFileReportsItsName();
    void failedLoadForbidsTheSaveUnlessNoFileWasThere_data();
    void failedLoadForbidsTheSaveUnlessNoFileWasThere();
    void saveWritesCrLfAfterEveryEntry_data();
    void saveWritesCrLfAfterEveryEntry();
    void lfOnlyFileIsSavedBackWithCrLf();

    void verifieKeepsSixToTwelve();
    void verifieMarksDirtyOnlyWhenItRemoves();

    void triSortsAlphabetically_data();
    void triSortsAlphabetically();
    void triKeepsEntriesByteForByte();
    void triAgreesWithTheCollatorOnRandomLists_data();
    void triAgreesWithTheCollatorOnRandomLists();

    void fastComparisonsAgreeWithTheCollator_data();
    void fastComparisonsAgreeWithTheCollator();

    void lookupFindsTheFirstEqualEntry_data();
    void lookupFindsTheFirstEqualEntry();

    void lookupComparesOtherCharactersThroughTheCollator();
    void changesSetTheDirtyFlagAndSavingKeepsIt();
    void saveThatCannotCreateLeavesTheOldFile_data();
    void saveThatCannotCreateLeavesTheOldFile();
    void saveCutShortByTheFileSizeLimitLeavesTheOldFile();
};

void TestWordList::scramblingMatchesKnownBytes()
{
    // M=0x4D: (0x4D^0x0B)+1 = 0x47; A=0x41: (0x4A)+2 = 0x4C; ...
    QCOMPARE(toQByteArray(Crypte("MAISON")), QByteArray("\x47\x4C\x45\x5C\x49\x4B"));
    QCOMPARE(Crypte(""), std::string());
    // Wraps modulo 256: 0xFF^0x0B = 0xF4, + 12 = 0x100 -> 0x00.
    QCOMPARE(Scramble::cryptAt(char(0xFF), 12), char(0));
}

void TestWordList::scramblingRoundTripsEveryByteAtEveryPosition()
{
    // Positions past 255 wrap in both directions.
    std::string all;
    for (int round = 0; round < 3; ++round)
        for (int b = 0; b < 256; ++b)
            all += char(b + round * 7);
    QCOMPARE(all.size(), std::size_t(768));
    QCOMPARE(Decrypte(Crypte(all)), all);
    QCOMPARE(Crypte(Decrypte(all)), all);
    for (std::size_t p = 1; p <= 600; p += 37)
        for (int b = 0; b < 256; ++b)
            QCOMPARE(Scramble::decryptAt(Scramble::cryptAt(char(b), p), p), char(b));
    QCOMPARE(Scramble::cryptAt('A', 257), Scramble::cryptAt('A', 1));
}

void TestWordList::loadCutsLines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Entries>("entries");

    QTest::newRow("empty file") << QByteArray() << Entries{};
    QTest::newRow("CR LF") << QByteArray("ab\r\ncd\r\n") << Entries{"ab", "cd"};
    QTest::newRow("CR alone") << QByteArray("ab\rcd\r") << Entries{"ab", "cd"};
    QTest::newRow("LF alone") << QByteArray("ab\ncd\n") << Entries{"ab", "cd"};
    QTest::newRow("LF CR is two line ends") << QByteArray("ab\n\rcd") << Entries{"ab", "", "cd"};
    QTest::newRow("last line without line end") << QByteArray("ab\r\ncd") << Entries{"ab", "cd"};
    QTest::newRow("two trailing line ends") << QByteArray("ab\r\n\r\n") << Entries{"ab", ""};
    QTest::newRow("empty line inside") << QByteArray("ab\r\n\r\ncd\r\n") << Entries{"ab", "", "cd"};
    QTest::newRow("zero byte ends the text") << QByteArray("ab\r\ncd\0ef\r\ngh\r\n", 14) << Entries{"ab", "cd"};
    QTest::newRow("zero byte first") << QByteArray("\0ab\r\n", 5) << Entries{};
    QTest::newRow("bytes kept as stored") << QByteArray(" a\xE9\x7F \t\r\n") << Entries{" a\xE9\x7F \t"};
    QTest::newRow("lone line end") << QByteArray("\n") << Entries{""};
}

void TestWordList::loadCutsLines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(Entries, entries);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pendu.dat"));
    QVERIFY(writeBytes(path, bytes));
    WordList list;
    list.append("stale");
    list.load(path);
    QCOMPARE(list.entries(), entries);
}

void TestWordList::loadMissingFileReportsItsName()
{
    QTemporaryDir dir;
    WordList list;
    list.append("stale");
    const QString text = errorOf([&] { list.load(dir.filePath(QStringLiteral("Pendu.dat"))); });
    QCOMPARE(text, QStringLiteral("Ne peut ouvrir le fichier Pendu.dat"));
    QVERIFY(list.isEmpty());

    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pendu.dat")));
    QCOMPARE(errorOf([&] { list.load(dir.filePath(QStringLiteral("Pendu.dat"))); }),
             QStringLiteral("Ne peut ouvrir le fichier Pendu.dat"));
}

void TestWordList::failedLoadForbidsTheSaveUnlessNoFileWasThere_data()
{
    QTest::addColumn<QString>("there");
    QTest::newRow("nothing: a new list may be saved") << QStringLiteral("nothing");
    QTest::newRow("a folder") << QStringLiteral("folder");
    QTest::newRow("a link to nothing") << QStringLiteral("link");
}

void TestWordList::failedLoadForbidsTheSaveUnlessNoFileWasThere()
{
    QFETCH(QString, there);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pendu.dat"));
    const QByteArray name = QFile::encodeName(path);
    if (there == QLatin1String("folder"))
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pendu.dat")));
    else if (there == QLatin1String("link"))
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone")), path));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);

    WordList list;
    QCOMPARE(errorOf([&] { list.load(path); }), QStringLiteral("Ne peut ouvrir le fichier Pendu.dat"));
    list.append(Crypte("MAISON"));
    const QString text = errorOf([&] { list.save(path); });
    if (there == QLatin1String("nothing")) {
        QCOMPARE(text, QString());
        QCOMPARE(readBytes(path), toQByteArray(Crypte("MAISON")) + "\r\n");
        return;
    }
    QCOMPARE(text, QStringLiteral("Le fichier Pendu.dat n'a pas pu être lu : la liste de mots ne peut être modifiée"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System), before);
    struct stat status {};
    QVERIFY(lstat(name.constData(), &status) == 0);
    QVERIFY(!S_ISREG(status.st_mode));
}

void TestWordList::saveWritesCrLfAfterEveryEntry_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty list, empty file") << Entries{} << QByteArray();
    QTest::newRow("one entry") << Entries{"abc"} << QByteArray("abc\r\n");
    QTest::newRow("empty entry kept") << Entries{"ab", "", "cd"} << QByteArray("ab\r\n\r\ncd\r\n");
    QTest::newRow("high bytes as they are") << Entries{"\xFF\x80"} << QByteArray("\xFF\x80\r\n");
}

void TestWordList::saveWritesCrLfAfterEveryEntry()
{
    QFETCH(Entries, entries);
    QFETCH(QByteArray, bytes);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pendu.dat"));
    QVERIFY(writeBytes(path, QByteArray(500, 'x')));
    WordList list;
    for (const auto &e : entries)
        list.append(e);
    list.save(path);
    QCOMPARE(readBytes(path), bytes);

    WordList again;
    again.load(path);
    QCOMPARE(again.entries(), entries);
}

void TestWordList::lfOnlyFileIsSavedBackWithCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pendu.dat"));
    const std::string maison = Crypte("MAISON"), abricot = Crypte("ABRICOT");
    QVERIFY(writeBytes(path, toQByteArray(maison + "\n" + abricot + "\n")));
    WordList list;
    list.load(path);
    QCOMPARE(plainOf(list), (Entries{"MAISON", "ABRICOT"}));
    list.save(path);
    QCOMPARE(readBytes(path), toQByteArray(maison + "\r\n" + abricot + "\r\n"));
}

void TestWordList::verifieKeepsSixToTwelve()
{
    WordList list = listOf({"CINQL", "SIXSIX", "DOUZELETTRES", "TREIZELETTRES", "", "SEPTSEP", "A"});
    list.Verifie();
    QCOMPARE(plainOf(list), (Entries{"SIXSIX", "DOUZELETTRES", "SEPTSEP"}));

    WordList empty;
    empty.Verifie();
    QVERIFY(empty.isEmpty());
}

void TestWordList::verifieMarksDirtyOnlyWhenItRemoves()
{
    WordList clean = listOf({"MAISON", "ABRICOT"});
    clean.Verifie();
    QVERIFY(!clean.WordListDirty());

    WordList withShort = listOf({"MAISON", "CHAT"});
    withShort.Verifie();
    QVERIFY(withShort.WordListDirty());
}

void TestWordList::triSortsAlphabetically_data()
{
    QTest::addColumn<Entries>("words");
    QTest::addColumn<Entries>("sorted");

    QTest::newRow("file order to alphabetical")
        << Entries{"POMME", "ABRICOT", "MAISON", "ZEBRE"} << Entries{"ABRICOT", "MAISON", "POMME", "ZEBRE"};
    QTest::newRow("prefix first") << Entries{"MAISONS", "MAISON", "MAIS"} << Entries{"MAIS", "MAISON", "MAISONS"};
    QTest::newRow("duplicates kept") << Entries{"MAISON", "ABRICOT", "MAISON"}
                                     << Entries{"ABRICOT", "MAISON", "MAISON"};
    QTest::newRow("appended to a sorted list") << Entries{"ABRICOT", "MAISON", "ZEBRE", "CHANTER"}
                                               << Entries{"ABRICOT", "CHANTER", "MAISON", "ZEBRE"};
    QTest::newRow("appended at the end") << Entries{"ABRICOT", "MAISON", "ZEBRE"}
                                         << Entries{"ABRICOT", "MAISON", "ZEBRE"};
    QTest::newRow("appended first") << Entries{"BATEAU", "MAISON", "ABRICOT"}
                                    << Entries{"ABRICOT", "BATEAU", "MAISON"};
    QTest::newRow("case does not order") << Entries{"maison", "ABRICOT", "Chanter"}
                                         << Entries{"ABRICOT", "Chanter", "maison"};
    QTest::newRow("accents sort with their letter")
        << Entries{"\xC9T\xC9", "ZOO", "EU", "ETE", "FA"} << Entries{"ETE", "\xC9T\xC9", "EU", "FA", "ZOO"};
    QTest::newRow("one entry") << Entries{"MAISON"} << Entries{"MAISON"};
    QTest::newRow("empty") << Entries{} << Entries{};
}

void TestWordList::triSortsAlphabetically()
{
    QFETCH(Entries, words);
    QFETCH(Entries, sorted);

    WordList list = listOf(words);
    list.Tri();
    QCOMPARE(plainOf(list), sorted);
}

void TestWordList::triKeepsEntriesByteForByte()
{
    // Entries that are not words of A–Z still come out as they went in.
    Entries raw{"\x01\xFF\x00z", "", "\r\n", "hello world", "\x80\x81\x82", "ABC"};
    raw[0] = std::string("\x01\xFF\x00z", 4);
    WordList list;
    for (const auto &e : raw)
        list.append(e);
    list.Tri();
    Entries got = list.entries();
    Entries want = raw;
    std::sort(got.begin(), got.end());
    std::sort(want.begin(), want.end());
    QCOMPARE(got, want);
}

void TestWordList::triAgreesWithTheCollatorOnRandomLists_data()
{
    QTest::addColumn<QByteArray>("alphabet");
    QTest::addColumn<bool>("appendToSorted");

    QTest::newRow("capitals, full sort") << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ") << false;
    QTest::newRow("capitals, one appended") << QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ") << true;
    QTest::newRow("few letters, many prefixes") << QByteArray("AB") << false;
    QTest::newRow("both cases") << QByteArray("aAbBcCzZ") << false;
    QTest::newRow("accents and signs") << QByteArray("AEe\xC9\xE9\xC8-' 1\x9C") << false;
    QTest::newRow("accents, one appended") << QByteArray("AEe\xC9\xE9\xC8-' 1\x9C") << true;
}

void TestWordList::triAgreesWithTheCollatorOnRandomLists()
{
    QFETCH(QByteArray, alphabet);
    QFETCH(bool, appendToSorted);

    QRandomGenerator rng(20261208);
    for (int round = 0; round < 20; ++round) {
        Entries words;
        for (int i = 0; i < 60; ++i)
            words.push_back(randomWord(rng, alphabet.constData(), 0, 7));
        if (appendToSorted) {
            std::sort(words.begin(), words.end(),
                      [](const auto &a, const auto &b) { return collatorCompare(a, b) < 0; });
            words.push_back(randomWord(rng, alphabet.constData(), 1, 7));
        }
        WordList list = listOf(words);
        list.Tri();
        const Entries result = plainOf(list);
        for (std::size_t i = 1; i < result.size(); ++i)
            QVERIFY2(collatorCompare(result[i - 1], result[i]) <= 0,
                     qPrintable(QStringLiteral("%1 before %2").arg(QString::fromLatin1(result[i - 1]),
                                                                   QString::fromLatin1(result[i]))));
        Entries a = result, b = words;
        std::sort(a.begin(), a.end());
        std::sort(b.begin(), b.end());
        QCOMPARE(a, b);
    }
}

void TestWordList::fastComparisonsAgreeWithTheCollator_data()
{
    QTest::addColumn<QByteArray>("alphabet");

    QTest::newRow("letters") << QByteArray("AaBbMmZz");
    QTest::newRow("printable ASCII") << QByteArray(" !\"#$%&'()*+,-./09:;<=>?@AZ[\\]^_`az{|}~");
    QTest::newRow("scrambled bytes of words") << QByteArray("ABKLMZ[\\]^_`abklm");
    QTest::newRow("with 8-bit and controls") << QByteArray("Ae\xE9\xC9\x9C\x8C\xDF\x01\x7F s");
}

void TestWordList::fastComparisonsAgreeWithTheCollator()
{
    QFETCH(QByteArray, alphabet);

    QRandomGenerator rng(7);
    for (int i = 0; i < 3000; ++i) {
        const std::string a = randomWord(rng, alphabet.constData(), 0, 4);
        const std::string b = (i % 3 == 0) ? a : randomWord(rng, alphabet.constData(), 0, 4);
        const int expected = collatorCompare(a, b);
        QCOMPARE(compareText(a, b), expected);
        QCOMPARE(equalText(a, b), expected == 0);
        QCOMPARE(comparePlainOfScrambled(Crypte(a), Crypte(b)), expected);
    }
}

void TestWordList::lookupFindsTheFirstEqualEntry_data()
{
    QTest::addColumn<Entries>("words");
    QTest::addColumn<QByteArray>("wanted");
    QTest::addColumn<int>("index");

    const Entries words{"MAISON", "ABRICOT", "MAISON", "CHANTER"};
    QTest::newRow("first of two") << words << QByteArray("MAISON") << 0;
    QTest::newRow("single") << words << QByteArray("CHANTER") << 3;
    QTest::newRow("missing") << words << QByteArray("ZEBRE") << -1;
    QTest::newRow("prefix is not equal") << words << QByteArray("MAISO") << -1;
    QTest::newRow("longer is not equal") << words << QByteArray("MAISONS") << -1;
    QTest::newRow("empty list") << Entries{} << QByteArray("MAISON") << -1;
    QTest::newRow("empty word") << Entries{"MAISON", ""} << QByteArray("") << 1;
}

void TestWordList::lookupFindsTheFirstEqualEntry()
{
    QFETCH(Entries, words);
    QFETCH(QByteArray, wanted);
    QFETCH(int, index);

    const WordList list = listOf(words);
    QCOMPARE(list.indexOf(Crypte(toStd(wanted))), index);
}

void TestWordList::lookupComparesOtherCharactersThroughTheCollator()
{
    // Raw entries, compared as stored: the accented capital equals its small letter.
    WordList list;
    list.append("abc");
    list.append("\xE9t\xE9");
    list.append("ABC");
    QCOMPARE(list.indexOf("\xC9T\xC9"), 1);
    QCOMPARE(list.indexOf("aBc"), 0);
    QCOMPARE(list.indexOf("\xC9T"), -1);
    list.removeAt(1);
    QCOMPARE(list.indexOf("\xC9T\xC9"), -1);
    QCOMPARE(list.indexOf("abc"), 0);
}

void TestWordList::changesSetTheDirtyFlagAndSavingKeepsIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pendu.dat"));
    QVERIFY(writeBytes(path, QByteArray("abcdefg\r\n")));

    WordList list;
    list.load(path);
    list.setWordListDirty(false);
    list.append(Crypte("MAISON"));
    QVERIFY(list.WordListDirty());
    list.setWordListDirty(false);
    list.removeAt(0);
    QVERIFY(list.WordListDirty());
    list.save(path);
    QVERIFY(list.WordListDirty());
}

void TestWordList::saveThatCannotCreateLeavesTheOldFile_data()
{
    QTest::addColumn<QString>("cause");
    QTest::newRow("folder missing") << QStringLiteral("missing");
    QTest::newRow("name taken by a folder") << QStringLiteral("folder");
}

void TestWordList::saveThatCannotCreateLeavesTheOldFile()
{
    QFETCH(QString, cause);

    QTemporaryDir dir;
    QString path;
    if (cause == QLatin1String("missing")) {
        path = dir.filePath(QStringLiteral("gone/Pendu.dat"));
    } else {
        path = dir.filePath(QStringLiteral("Pendu.dat"));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("Pendu.dat")));
    }
    WordList list = listOf({"MAISON"});
    QCOMPARE(errorOf([&] { list.save(path); }), QStringLiteral("Ne peut créer le fichier Pendu.dat"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

void TestWordList::saveCutShortByTheFileSizeLimitLeavesTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Pendu.dat"));
    const QByteArray old("old list\r\n");
    QVERIFY(writeBytes(path, old));

    WordList big;
    for (int i = 0; i < 20000; ++i)
        big.append(Crypte("ABCDEFGHIJ"));

    QString text;
    {
        ResourceLimit small(RLIMIT_FSIZE, 4096);
        QVERIFY(small.ok());
        text = errorOf([&] { big.save(path); });
    }

    QCOMPARE(text, QStringLiteral("Erreur d'écriture dans le flux"));
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Pendu.dat")});
}

QTEST_GUILESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
