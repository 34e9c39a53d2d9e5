// The word tools' lookups without their windows: the browser's letters, the statistics and the search.
#include "Scramble.h"
#include "TestSupport.h"
#include "WordBrowser.h"
#include "WordEditing.h"
#include "WordList.h"
#include "WordSearch.h"
#include "WordStatistics.h"

#include <QTest>

using Words = std::vector<std::string>;
Q_DECLARE_METATYPE(Words)

namespace {

// File order, with words under A, C, M and Z and none under B.
const Words Vocabulary{"MOUTON", "ZEBRE", "ABRICOT", "MAISON", "ANANAS", "ZOZOTER", "CHATON", "MAISONNETTE"};

} // namespace

class TestWordLookup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void browserStepsWithinAToZ_data();
    void browserStepsWithinAToZ();
    void browserWorksOnItsCopy();

    void statisticsCountTotalAndPlayableLengths_data();
    void statisticsCountTotalAndPlayableLengths();

    void searchCountsAndListsMatches_data();
    void searchCountsAndListsMatches();
};

void TestWordLookup::browserStepsWithinAToZ_data()
{
    QTest::addColumn<QString>("letter");
    QTest::addColumn<int>("step");
    QTest::addColumn<QStringList>("words");

    QTest::newRow("forward at Z stays at Z") << "Z" << 1 << QStringList{"ZEBRE", "ZOZOTER"};
    QTest::newRow("back at A stays at A") << "A" << -1 << QStringList{"ABRICOT", "ANANAS"};
    QTest::newRow("letter without words") << "B" << 0 << QStringList{};
    QTest::newRow("forward from M") << "M" << 1 << QStringList{};
    QTest::newRow("back from D") << "D" << -1 << QStringList{"CHATON"};
}

void TestWordLookup::browserStepsWithinAToZ()
{
    QFETCH(QString, letter);
    QFETCH(int, step);
    QFETCH(QStringList, words);

    WordBrowser browser;
    browser.Init(listOf(Vocabulary));
    QStringList shown = browser.AffMots(letter.at(0).toLatin1());
    if (step > 0)
        shown = browser.next();
    else if (step < 0)
        shown = browser.previous();
    QCOMPARE(shown, words);
}

// The copy does not see a change to the list until the next Init, which shows "A" again.
void TestWordLookup::browserWorksOnItsCopy()
{
    WordList list = listOf(Vocabulary);
    WordBrowser browser;
    QCOMPARE(browser.Init(list), (QStringList{"ABRICOT", "ANANAS"}));
    QCOMPARE(addWord(list, QStringLiteral("ZIGOUILLAIENT")), AddResult::Added);
    QCOMPARE(browser.AffMots('Z'), (QStringList{"ZEBRE", "ZOZOTER"}));
    QCOMPARE(browser.Init(list), (QStringList{"ABRICOT", "ANANAS"}));
    QCOMPARE(browser.letter(), 'A');
    QCOMPARE(browser.AffMots('Z'), (QStringList{"ZEBRE", "ZIGOUILLAIENT", "ZOZOTER"}));
}

void TestWordLookup::statisticsCountTotalAndPlayableLengths_data()
{
    QTest::addColumn<Words>("words");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("lines");

    const auto lines = [](int total, std::array<int, 7> byLength) {
        QStringList out{QStringLiteral("Nombre de mots : %1").arg(total)};
        for (int n = 6; n <= 12; ++n)
            out << QStringLiteral("Mots de %1 lettres : %2").arg(n).arg(byLength[std::size_t(n - 6)]);
        return out;
    };
    const Words loaded{"MAISON", "CHATON", "ABRICOT", "ORDINATEUR", "DOUZELETTRES"};
    QTest::newRow("empty list") << Words{} << "" << lines(0, {});
    QTest::newRow("after loading") << loaded << "" << lines(5, {2, 1, 0, 0, 1, 0, 1});
    QTest::newRow("short word in the total only") << loaded << "CHAT" << lines(6, {2, 1, 0, 0, 1, 0, 1});
    QTest::newRow("new eight-letter word") << loaded << "ELEPHANT" << lines(6, {2, 1, 1, 0, 1, 0, 1});
    QTest::newRow("no grouping") << Words(12345, "MAISON") << "" << lines(12345, {12345, 0, 0, 0, 0, 0, 0});
}

void TestWordLookup::statisticsCountTotalAndPlayableLengths()
{
    QFETCH(Words, words);
    QFETCH(QString, added);
    QFETCH(QStringList, lines);

    WordList list = listOf(words);
    if (!added.isEmpty())
        QCOMPARE(addWord(list, added), AddResult::Added);
    const std::array<QString, 8> shown = statisticsLines(countWords(list));
    QCOMPARE(QStringList(shown.begin(), shown.end()), lines);
}

void TestWordLookup::searchCountsAndListsMatches_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QString>("count");

    QTest::newRow("all free, in list order") << 7 << "......." << QStringList{"ABRICOT", "ZOZOTER"} << "2 mots";
    QTest::newRow("two matches") << 6 << "M....N" << QStringList{"MOUTON", "MAISON"} << "2 mots";
    QTest::newRow("one match") << 6 << "MA...." << QStringList{"MAISON"} << "1 mot";
    QTest::newRow("no match") << 6 << "Q....." << QStringList{} << "0 mot";
    QTest::newRow("letter in the last place") << 11 << "..........E" << QStringList{"MAISONNETTE"} << "1 mot";
    // The length stops at 12, so the thirteen-letter word added in the run is never found.
    QTest::newRow("13 reads as 12") << 13 << "Z" << QStringList{} << "0 mot";
}

void TestWordLookup::searchCountsAndListsMatches()
{
    QFETCH(int, length);
    QFETCH(QString, pattern);
    QFETCH(QStringList, words);
    QFETCH(QString, count);

    WordList list = listOf(Vocabulary);
    list.append(Crypte("ZIGOUILLAIENT"));
    WordSearch search;
    search.Init(list);
    for (int p = 1; p <= pattern.size(); ++p) {
        if (pattern.at(p - 1) == WordSearch::AnyLetter)
            continue;
        QVERIFY(search.selectCell(p, length));
        search.Lettre(pattern.at(p - 1));
    }
    search.search(length);
    QCOMPARE(search.results(), words);
    QCOMPARE(search.countText(), count);
}

QTEST_GUILESS_MAIN(TestWordLookup)
#include "tst_wordlookup.moc"
