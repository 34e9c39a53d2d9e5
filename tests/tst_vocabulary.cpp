// The shipped vocabulary: playable words only, and Pendu.dat in step with mots.txt.
#include "Scramble.h"
#include "TestSupport.h"
#include "WordList.h"

#include <QTest>
#include <set>

class TestVocabulary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shippedWordFileHoldsOnlyPlayableWords();
    void shippedWordFileIsTheScrambledPlainList();
};

void TestVocabulary::shippedWordFileHoldsOnlyPlayableWords()
{
    WordList list;
    list.load(QStringLiteral(ORV_SOURCE_DIR "/data/Pendu.dat"));
    const int loaded = list.count();
    QVERIFY2(loaded >= 40000, qPrintable(QString::number(loaded)));
    list.Verifie();
    QCOMPARE(list.count(), loaded);

    std::set<std::string> seen;
    for (const Entry &e : list.entries()) {
        const std::string word = Decrypte(e);
        for (char c : word)
            QVERIFY2(c >= 'A' && c <= 'Z', word.c_str());
        QVERIFY2(seen.insert(word).second, word.c_str());
    }
    QVERIFY(seen.count("MAISON") && seen.count("ELEPHANT"));
}

void TestVocabulary::shippedWordFileIsTheScrambledPlainList()
{
    WordList plain;
    plain.load(QStringLiteral(ORV_SOURCE_DIR "/data/mots.txt"));
    WordList scrambled;
    for (const Entry &w : plain.entries())
        scrambled.append(Crypte(w));
    QCOMPARE(scrambled.content(), readBytes(QStringLiteral(ORV_SOURCE_DIR "/data/Pendu.dat")));
}

QTEST_GUILESS_MAIN(TestVocabulary)
#include "tst_vocabulary.moc"
