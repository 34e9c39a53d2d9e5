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
    void defaultWordsAreFrequentOrChildrensAndInTheCompleteList();
    void wordsStartingLikeAnExcludedWordHaveADecision();
    void derivedFormsAreWordsOfTheirOwn_data();
    void derivedFormsAreWordsOfTheirOwn();
};

void TestVocabulary::shippedWordFileHoldsOnlyPlayableWords_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("atLeast");
    QTest::newRow("default") << QStringLiteral("Pendu.dat") << 8000;
    QTest::newRow("complete") << QStringLiteral("Pendu-complet.dat") << 50000;
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

// The default list keeps words frequent themselves, named by a children's list or read and judged
// everyday, and none set aside.
void TestVocabulary::defaultWordsAreFrequentOrChildrensAndInTheCompleteList()
{
    const WordSet frequent = wordsOf("frequents.txt");
    const WordSet children = wordsOf("enfants.txt");
    const WordSet everyday = wordsOf("courants.txt");
    const WordSet setAside = wordsOf("hors-defaut.txt");
    const WordSet complete = unscrambled("Pendu-complet.dat");
    QVERIFY(frequent.size() > 8000 && children.size() > 1000 && setAside.count("ALEXANDRA"));
    for (const std::string &word : unscrambled("Pendu.dat")) {
        QVERIFY2(frequent.count(word) || children.count(word) || everyday.count(word), word.c_str());
        QVERIFY2(!setAside.count(word), word.c_str());
        QVERIFY2(complete.count(word), word.c_str());
    }
}

// An excluded word brings up every word that starts with all but its last three letters (at least five):
// its variants and derived words. Each one kept in a list must have been read and kept on purpose.
void TestVocabulary::wordsStartingLikeAnExcludedWordHaveADecision()
{
    const WordSet excluded = wordsOf("exclus.txt");
    const WordSet kept = wordsOf("gardes.txt");
    const WordSet setAside = wordsOf("hors-defaut.txt");
    std::set<std::string> roots;
    for (const std::string &word : excluded)
        roots.insert(word.substr(0, std::max<size_t>(5, word.size() - 3)));
    QVERIFY(roots.count("PEQUEN") && roots.count("PARTO"));
    const WordSet complete = unscrambled("Pendu-complet.dat");
    for (const std::string &root : roots) {
        for (auto it = complete.lower_bound(root); it != complete.end() && it->rfind(root, 0) == 0; ++it)
            QVERIFY2(kept.count(*it) || setAside.count(*it), (*it + " starts like an excluded word").c_str());
    }
}

void TestVocabulary::derivedFormsAreWordsOfTheirOwn_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("inDefault");
    QTest::addColumn<bool>("inComplete");
    QTest::newRow("feminine of plant/F.") << QStringLiteral("PLANTE") << true << true;
    QTest::newRow("feminine of prince/F+") << QStringLiteral("PRINCESSE") << true << true;
    QTest::newRow("plural-only noun") << QStringLiteral("FIANCAILLES") << true << true;
    QTest::newRow("children's plural") << QStringLiteral("CISEAUX") << true << true;
    QTest::newRow("children's word rare in films") << QStringLiteral("HERISSON") << true << true;
    QTest::newRow("stem with a ligature") << QStringLiteral("CHOEUR") << true << true;
    QTest::newRow("rare feminine of bûcheron/F+") << QStringLiteral("BUCHERONNE") << false << true;
    QTest::newRow("frequent only as a verb form") << QStringLiteral("ECLAIRE") << false << true;
    QTest::newRow("plural shared with a rare verb") << QStringLiteral("PANTOUFLE") << true << true;
    QTest::newRow("feminine of a participle") << QStringLiteral("TOMBEE") << false << true;
    QTest::newRow("feminine of a participle, kept") << QStringLiteral("FIANCEE") << true << true;
    QTest::newRow("variant of an excluded word") << QStringLiteral("PEQUENOT") << false << false;
    QTest::newRow("frequent in Wikipedia, read as everyday") << QStringLiteral("AGRUME") << true << true;
    QTest::newRow("frequent in films, read as literary") << QStringLiteral("COURROUX") << false << true;
    QTest::newRow("frequent in films, an alcohol") << QStringLiteral("COGNAC") << false << true;
}

void TestVocabulary::derivedFormsAreWordsOfTheirOwn()
{
    QFETCH(QString, word);
    QFETCH(bool, inDefault);
    QFETCH(bool, inComplete);
    const std::string w = word.toStdString();
    QCOMPARE(bool(wordsOf("mots.txt").count(w)), inDefault);
    QCOMPARE(bool(wordsOf("mots-complet.txt").count(w)), inComplete);
}

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
