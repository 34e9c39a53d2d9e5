// The shipped vocabularies: playable, known and decent words, and each word file in step with its plain list.
#include "Scramble.h"
#include "TestSupport.h"
#include "WordList.h"

#include <QTest>
#include <set>

using WordSet = std::set<std::string>;

namespace {

QString dataFile(const char *name)
{
    return QStringLiteral(ORV_SOURCE_DIR "/data/") + QLatin1String(name);
}

// The first field of each line of a list: a word alone, or "WORD<TAB>reason"; '#' starts a comment.
WordSet wordsOf(const char *name)
{
    WordSet words;
    for (const QByteArray &line : readBytes(dataFile(name)).split('\n')) {
        const QByteArray word = line.split('\t').first().trimmed();
        if (!word.isEmpty() && !word.startsWith('#'))
            words.insert(toStd(word));
    }
    return words;
}

WordSet unscrambled(const char *name)
{
    WordList list;
    list.load(dataFile(name));
    WordSet words;
    for (const Entry &e : list.entries())
        words.insert(Decrypte(e));
    return words;
}

} // namespace

class TestVocabulary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shippedWordFileHoldsOnlyPlayableWords_data();
    void shippedWordFileHoldsOnlyPlayableWords();
    void shippedWordFileIsTheScrambledPlainList_data();
    void shippedWordFileIsTheScrambledPlainList();
    void defaultWordsAreFrequentAndInTheCompleteList();
};

void TestVocabulary::shippedWordFileHoldsOnlyPlayableWords_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("atLeast");
    QTest::newRow("default") << QStringLiteral("Pendu.dat") << 6000;
    QTest::newRow("complete") << QStringLiteral("Pendu-complet.dat") << 40000;
}

void TestVocabulary::shippedWordFileHoldsOnlyPlayableWords()
{
    QFETCH(QString, file);
    QFETCH(int, atLeast);
    const WordSet leftOut = wordsOf("exclus.txt");
    QVERIFY(leftOut.count("CHLEUH") && leftOut.count("TAFIOLE"));

    WordList list;
    list.load(dataFile(qPrintable(file)));
    const int loaded = list.count();
    QVERIFY2(loaded >= atLeast, qPrintable(QString::number(loaded)));
    list.Verifie();
    QCOMPARE(list.count(), loaded);

    WordSet seen;
    for (const Entry &e : list.entries()) {
        const std::string word = Decrypte(e);
        for (char c : word)
            QVERIFY2(c >= 'A' && c <= 'Z', word.c_str());
        QVERIFY2(seen.insert(word).second, word.c_str());
        QVERIFY2(!leftOut.count(word), word.c_str());
    }
    QVERIFY(seen.count("MAISON") && seen.count("ELEPHANT"));
}

void TestVocabulary::shippedWordFileIsTheScrambledPlainList_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("scrambled");
    QTest::newRow("default") << QStringLiteral("mots.txt") << QStringLiteral("Pendu.dat");
    QTest::newRow("complete") << QStringLiteral("mots-complet.txt") << QStringLiteral("Pendu-complet.dat");
}

void TestVocabulary::shippedWordFileIsTheScrambledPlainList()
{
    QFETCH(QString, plain);
    QFETCH(QString, scrambled);
    WordList words;
    words.load(dataFile(qPrintable(plain)));
    WordList expected;
    for (const Entry &w : words.entries())
        expected.append(Crypte(w));
    QCOMPARE(expected.content(), readBytes(dataFile(qPrintable(scrambled))));
}

// The default list keeps only frequent forms that a player reads as words, not as names.
void TestVocabulary::defaultWordsAreFrequentAndInTheCompleteList()
{
    const WordSet frequent = wordsOf("frequents.txt");
    const WordSet names = wordsOf("hors-defaut.txt");
    const WordSet complete = unscrambled("Pendu-complet.dat");
    QVERIFY(frequent.size() > 10000 && names.count("ALEXANDRA"));
    for (const std::string &word : unscrambled("Pendu.dat")) {
        QVERIFY2(frequent.count(word), word.c_str());
        QVERIFY2(!names.count(word), word.c_str());
        QVERIFY2(complete.count(word), word.c_str());
    }
}

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
