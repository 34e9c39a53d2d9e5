// The game rules: the draw, letters, scoring, streak bonus, animation, vitamin, Joker and keys.
#include "GameRules.h"
#include "OrvError.h"
#include "RandomSource.h"
#include "Scramble.h"
#include "WordList.h"

#include <QSignalSpy>
#include "TestSupport.h"

#include <QTest>

using Entries = std::vector<std::string>;
Q_DECLARE_METATYPE(Entries)

namespace {

struct Game
{
    explicit Game(const Entries &plainWords) : words(listOf(plainWords)) { rules.startUp(); }
    void newGame(std::initializer_list<qint32> draws = {0})
    {
        random.script.insert(random.script.end(), draws);
        rules.OpenItemClick();
    }
    void keys(const char *letters)
    {
        for (; *letters; ++letters)
            rules.LetterKeyClick(*letters);
    }
    void win(const char *lettersOfMaison = "AISO") { newGame(); keys(lettersOfMaison); }
    void lose() { newGame(); keys("BCDFGH"); }
    // Visible boxes by caption, hidden ones as '-'.
    QString boxes() const
    {
        QString out;
        for (int i = 0; i < GameDisplay::BoxCount; ++i)
            out += d().boxVisible[i] ? d().boxCaption[i] : QStringLiteral("-");
        return out;
    }
    const GameDisplay &d() const { return rules.display(); }
    QString line(GameDisplay::Line l) const { return d().lines[l]; }

    WordList words;
    ScriptedRandom random;
    GameRules rules{words, random};
};

} // namespace

class TestGameRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpSeedsOnceAndLocksTheKeys();
    void drawPlaysTheScriptedEntry_data();
    void drawPlaysTheScriptedEntry();
    void nothingPlayableRaisesAndChangesNothing_data();
    void nothingPlayableRaisesAndChangesNothing();
    void newGameLaysOutTheMask();
    void lettersRevealAndCount_data();
    void lettersRevealAndCount();
    void sixthMissLosesWithoutPoints();
    void winScoresSixtyLessTenPerMiss_data();
    void winScoresSixtyLessTenPerMiss();
    void shortWordsEndOnTheFirstLetter_data();
    void shortWordsEndOnTheFirstLetter();
    void streakBonusFromTheNinthWin_data();
    void streakBonusFromTheNinthWin();
    void bonusAnimationRunsTwelvePages();
    void newGameStopsTheAnimation();
    void vitaminShowsOnOneDrawInTen_data();
    void vitaminShowsOnOneDrawInTen();
    void vitaminCountdownHidesIt_data();
    void vitaminCountdownHidesIt();
    void winningLetterLeavesTheVitamin();
    void jokerShowsTheFirstHiddenLetterAtAPrice();
    void jokerIsFreeWhileTheVitaminShows();
    void jokerWithNoHiddenLetterKeepsItsCaption();
    void jokerCaptionOutlivesALossUntilAWin();
    void playedKeyIsDisabledAndDisabledKeysDoNothing();
    void physicalKeyboard_data();
    void physicalKeyboard();
    void nothingPlaysBeforeTheFirstGame();
};

void TestGameRules::startUpSeedsOnceAndLocksTheKeys()
{
    Game g({"MAISON"});
    QCOMPARE(g.random.seeds.size(), 1);
    QVERIFY(g.random.seeds.front() < 24u * 3600u * 1000u);
    QCOMPARE(g.boxes(), QString()); // every box visible, with an empty caption
    QVERIFY(std::all_of(g.d().boxVisible.begin(), g.d().boxVisible.end(), [](bool v) { return v; }));
    QVERIFY(std::none_of(g.d().keyEnabled.begin(), g.d().keyEnabled.end(), [](bool e) { return e; }));
    QCOMPARE(g.d().gallowsPage, 6);
    QCOMPARE(g.d().scoreCounter, QStringLiteral("0"));
    QCOMPARE(g.d().jokerCaption, QStringLiteral("Joker"));
    QVERIFY(!g.rules.Timer2().isActive());
    QCOMPARE(g.rules.Timer2().interval(), 500);
}

void TestGameRules::drawPlaysTheScriptedEntry_data()
{
    QTest::addColumn<Entries>("words");
    QTest::addColumn<QList<qint32>>("draws");
    QTest::addColumn<QString>("secret");
    QTest::addColumn<QList<qint32>>("asked");
    QTest::addColumn<Entries>("left");

    const Entries three{"ARBRE", "BATEAU", "CHEVAL"};
    QTest::newRow("single entry") << Entries{"MAISON"} << QList<qint32>{0} << "MAISON"
                                  << QList<qint32>{1} << Entries{"MAISON"};
    QTest::newRow("last entry drawable") << three << QList<qint32>{2} << "CHEVAL"
                                         << QList<qint32>{3} << three;
    QTest::newRow("empty entries removed")
        << Entries{"", "MAISON", ""} << QList<qint32>{0, 1, 0} << "MAISON"
        << QList<qint32>{3, 2, 1} << Entries{"MAISON"};
    QTest::newRow("over-long entry stays, drawn past")
        << Entries{"ABCDEFGHIJKLM", "MAISON"} << QList<qint32>{0, 0, 1} << "MAISON"
        << QList<qint32>{2, 2, 2} << Entries{"ABCDEFGHIJKLM", "MAISON"};
    QTest::newRow("twelve letters playable") << Entries{"ABCDEFGHIJKL"} << QList<qint32>{0}
                                             << "ABCDEFGHIJKL" << QList<qint32>{1}
                                             << Entries{"ABCDEFGHIJKL"};
}

void TestGameRules::drawPlaysTheScriptedEntry()
{
    QFETCH(Entries, words);
    QFETCH(QList<qint32>, draws);
    QFETCH(QString, secret);
    QFETCH(QList<qint32>, asked);
    QFETCH(Entries, left);

    Game g(words);
    g.random.script.assign(draws.begin(), draws.end());
    QSignalSpy spy(&g.rules, &GameRules::displayChanged);
    g.rules.OpenItemClick();
    QCOMPARE(g.rules.state().SecretWord, secret);
    QCOMPARE(g.random.asked, asked);
    QCOMPARE(spy.count(), 1);
    Entries plain;
    for (const auto &e : g.words.entries())
        plain.push_back(Decrypte(e));
    QCOMPARE(plain, left);
    QCOMPARE(g.words.WordListDirty(), left.size() != words.size());
}

void TestGameRules::nothingPlayableRaisesAndChangesNothing_data()
{
    QTest::addColumn<Entries>("words");
    QTest::newRow("empty list") << Entries{};
    QTest::newRow("only empty entries") << Entries{"", ""};
    QTest::newRow("only over-long entries") << Entries{"ABCDEFGHIJKLM", "ABCDEFGHIJKLMN"};
    QTest::newRow("empty and over-long") << Entries{"", "ABCDEFGHIJKLM"};
}

void TestGameRules::nothingPlayableRaisesAndChangesNothing()
{
    QFETCH(Entries, words);

    Game g({"MAISON"});
    g.newGame();
    g.keys("AX");
    g.words.removeAt(0);
    for (const auto &w : words)
        g.words.append(Crypte(w));
    g.words.setWordListDirty(false);
    const GameDisplay before = g.d();
    const GameState state = g.rules.state();
    g.random.asked.clear();
    QSignalSpy spy(&g.rules, &GameRules::displayChanged);

    QCOMPARE(errorOf([&] { g.rules.OpenItemClick(); }),
             QStringLiteral("Aucun mot jouable dans le dictionnaire"));
    QVERIFY(g.d() == before);
    QCOMPARE(g.rules.state().Mask, state.Mask);
    QCOMPARE(g.rules.state().Tries, state.Tries);
    QCOMPARE(g.rules.state().Misses, state.Misses);
    QCOMPARE(g.words.count(), int(words.size()));
    QVERIFY(!g.words.WordListDirty());
    QVERIFY(g.random.asked.isEmpty());
    QCOMPARE(spy.count(), 0);
}

void TestGameRules::newGameLaysOutTheMask()
{
    Game g({"ABCDEFGHIJKL", "MAISON"});
    g.newGame({0});
    g.keys("BX");
    g.newGame({1});
    QCOMPARE(g.boxes(), QStringLiteral("M....N------"));
    QCOMPARE(g.rules.state().Mask, QStringLiteral("M....N"));
    QCOMPARE(g.rules.state().Tries, 0);
    QCOMPARE(g.d().gallowsPage, 0);
    for (const QString &l : g.d().lines)
        QVERIFY(l.isEmpty());
    QVERIFY(std::all_of(g.d().keyEnabled.begin(), g.d().keyEnabled.end(), [](bool e) { return e; }));
}

void TestGameRules::lettersRevealAndCount_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QString>("boxes");
    QTest::addColumn<QString>("tries");
    QTest::addColumn<QString>("misses");

    QTest::newRow("first letter is found") << "MAISON" << "M" << "M....N------" << "1 Essai" << "";
    QTest::newRow("repeated letter, one try") << "BANANE" << "A" << "BA.A.E------" << "1 Essai" << "";
    QTest::newRow("letter also at an end") << "ANANAS" << "A" << "A.A.AS------" << "1 Essai" << "";
    QTest::newRow("lower case upper-cased") << "MAISON" << "ai" << "MAI..N------" << "2 Essais" << "";
    QTest::newRow("one miss") << "MAISON" << "X" << "M....N------" << "1 Essai" << "1 Echec";
    QTest::newRow("dot is a miss") << "MAISON" << "." << "M....N------" << "1 Essai" << "1 Echec";
    QTest::newRow("three misses") << "MAISON" << "XYZ" << "M....N------" << "3 Essais" << "3 Echecs";
}

void TestGameRules::lettersRevealAndCount()
{
    QFETCH(QString, word);
    QFETCH(QString, letters);
    QFETCH(QString, boxes);
    QFETCH(QString, tries);
    QFETCH(QString, misses);

    Game g({word.toStdString()});
    g.newGame();
    for (QChar c : letters)
        g.rules.Lettre(c);
    QCOMPARE(g.boxes(), boxes);
    QCOMPARE(g.rules.state().Mask, boxes.left(word.size()));
    QCOMPARE(g.line(GameDisplay::TriesLine), tries);
    QCOMPARE(g.line(GameDisplay::MissesLine), misses);
    QCOMPARE(g.d().gallowsPage, qint32(misses.isEmpty() ? 0 : misses.left(1).toInt()));
}

void TestGameRules::sixthMissLosesWithoutPoints()
{
    Game g({"MAISON"});
    g.win();
    g.newGame();
    g.random.script = {0, 0, 0, 0, 0, 21, 1};
    QSignalSpy spy(&g.rules, &GameRules::displayChanged);
    g.keys("BCDFGH");
    QCOMPARE(spy.count(), 6);
    QCOMPARE(g.line(GameDisplay::MissesLine), QStringLiteral("6 Echecs"));
    QCOMPARE(g.line(GameDisplay::ResultLine), QStringLiteral("Perdu!!!"));
    QCOMPARE(g.line(GameDisplay::RemarkLine), QStringLiteral("La solution était"));
    QCOMPARE(g.line(GameDisplay::SolutionLine), QStringLiteral("MAISON"));
    QCOMPARE(g.rules.totals().Score, 60);
    QCOMPARE(g.rules.totals().WinStreak, 0);
    QCOMPARE(g.d().gamesCounter, QStringLiteral("2"));
    QCOMPARE(g.d().lossesCounter, QStringLiteral("1"));
    QCOMPARE(g.d().winsCounter, QStringLiteral("1"));
    QCOMPARE(g.d().gallowsPage, 6);
    QVERIFY(g.d().vitaminVisible); // the losing letter still draws for it
    QVERIFY(std::none_of(g.d().keyEnabled.begin(), g.d().keyEnabled.end(), [](bool e) { return e; }));
}

void TestGameRules::winScoresSixtyLessTenPerMiss_data()
{
    QTest::addColumn<QByteArray>("letters");
    QTest::addColumn<qint32>("score");
    QTest::newRow("no miss") << QByteArray("AISO") << 60;
    QTest::newRow("one miss") << QByteArray("AXISO") << 50;
    QTest::newRow("five misses") << QByteArray("BCDFGAISO") << 10;
}

void TestGameRules::winScoresSixtyLessTenPerMiss()
{
    QFETCH(QByteArray, letters);
    QFETCH(qint32, score);

    Game g({"MAISON"});
    g.win(letters.constData());
    QCOMPARE(g.rules.totals().Score, score);
    QCOMPARE(g.d().scoreCounter, QString::number(score));
    QCOMPARE(g.line(GameDisplay::ResultLine), QStringLiteral("Gagné!!!"));
    QCOMPARE(g.line(GameDisplay::RemarkLine), QStringLiteral("Bravo!!!"));
    QCOMPARE(g.d().winsCounter, QStringLiteral("1"));
    QCOMPARE(g.rules.totals().WinStreak, 1);
    QVERIFY(std::none_of(g.d().keyEnabled.begin(), g.d().keyEnabled.end(), [](bool e) { return e; }));
}

void TestGameRules::shortWordsEndOnTheFirstLetter_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<char>("letter");
    QTest::addColumn<qint32>("score");
    QTest::newRow("one letter, played") << "A" << 'A' << 60;
    QTest::newRow("one letter, missed") << "A" << 'B' << 50;
    QTest::newRow("two letters, played") << "OU" << 'U' << 60;
    QTest::newRow("two letters, missed") << "OU" << 'Z' << 50;
}

void TestGameRules::shortWordsEndOnTheFirstLetter()
{
    QFETCH(QString, word);
    QFETCH(char, letter);
    QFETCH(qint32, score);

    Game g({word.toStdString()});
    g.newGame();
    QCOMPARE(g.boxes(), word + QString(12 - word.size(), u'-'));
    g.rules.LetterKeyClick(letter);
    QCOMPARE(g.line(GameDisplay::ResultLine), QStringLiteral("Gagné!!!"));
    QCOMPARE(g.rules.totals().Score, score);
    QCOMPARE(g.rules.state().Misses, score == 60 ? 0 : 1);
}

void TestGameRules::streakBonusFromTheNinthWin_data()
{
    QTest::addColumn<QByteArray>("games"); // W won, L lost, N dropped unfinished
    QTest::addColumn<qint32>("streak");
    QTest::addColumn<qint32>("score");
    QTest::addColumn<bool>("bonus");
    QTest::newRow("eight wins") << QByteArray("WWWWWWWW") << 8 << 480 << false;
    QTest::newRow("nine wins") << QByteArray("WWWWWWWWW") << 9 << 590 << true;
    QTest::newRow("ten wins") << QByteArray("WWWWWWWWWW") << 10 << 700 << true;
    QTest::newRow("loss resets") << QByteArray("WWWWWWWWLW") << 1 << 540 << false;
    QTest::newRow("dropped game keeps it") << QByteArray("WWWWWWWWNW") << 9 << 590 << true;
}

void TestGameRules::streakBonusFromTheNinthWin()
{
    QFETCH(QByteArray, games);
    QFETCH(qint32, streak);
    QFETCH(qint32, score);
    QFETCH(bool, bonus);

    Game g({"MAISON"});
    for (char c : games) {
        if (c == 'W')
            g.win();
        else if (c == 'L')
            g.lose();
        else {
            g.newGame();
            g.keys("AX");
        }
    }
    QCOMPARE(g.rules.totals().WinStreak, streak);
    QCOMPARE(g.rules.totals().Score, score);
    QCOMPARE(g.d().scoreCounter, QString::number(score));
    QCOMPARE(g.line(GameDisplay::RemarkLine), bonus ? QStringLiteral("Bonus!!!") : QStringLiteral("Bravo!!!"));
    QCOMPARE(g.rules.Timer2().isActive(), bonus);
    QCOMPARE(g.d().animationRunning, bonus);
}

void TestGameRules::bonusAnimationRunsTwelvePages()
{
    Game g({"MAISON"});
    for (int i = 0; i < 9; ++i)
        g.win("AXISO");
    QCOMPARE(g.d().gallowsPage, 0);
    QSignalSpy spy(&g.rules, &GameRules::displayChanged);
    QList<qint32> pages;
    while (g.rules.Timer2().isActive() && pages.size() < 20) {
        g.rules.Timer2Timer();
        pages.append(g.d().gallowsPage);
    }
    QCOMPARE(pages, (QList<qint32>{1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1, 0}));
    QCOMPARE(spy.count(), 12);
    QVERIFY(!g.d().animationRunning);
}

void TestGameRules::newGameStopsTheAnimation()
{
    Game g({"MAISON"});
    for (int i = 0; i < 9; ++i)
        g.win();
    g.rules.Timer2Timer();
    g.rules.Timer2Timer();
    g.newGame();
    QVERIFY(!g.rules.Timer2().isActive());
    QVERIFY(!g.d().animationRunning);
    g.keys("X");
    QCOMPARE(g.d().gallowsPage, 1);
}

void TestGameRules::vitaminShowsOnOneDrawInTen_data()
{
    QTest::addColumn<qint32>("draw");
    QTest::addColumn<bool>("shown");
    QTest::newRow("20") << 20 << false;
    QTest::newRow("21") << 21 << true;
    QTest::newRow("25") << 25 << true;
    QTest::newRow("26") << 26 << false;
}

void TestGameRules::vitaminShowsOnOneDrawInTen()
{
    QFETCH(qint32, draw);
    QFETCH(bool, shown);

    Game g({"MAISON"});
    g.newGame({0, draw, 2});
    g.keys("A");
    QCOMPARE(g.d().vitaminVisible, shown);
    QCOMPARE(g.random.asked, shown ? (QList<qint32>{1, 50, 3}) : (QList<qint32>{1, 50}));
}

void TestGameRules::vitaminCountdownHidesIt_data()
{
    QTest::addColumn<qint32>("countdown");
    QTest::addColumn<bool>("afterOne");
    QTest::addColumn<bool>("afterTwo");
    QTest::newRow("0") << 0 << false << false;
    QTest::newRow("1") << 1 << false << false;
    QTest::newRow("2") << 2 << true << false;
}

void TestGameRules::vitaminCountdownHidesIt()
{
    QFETCH(qint32, countdown);
    QFETCH(bool, afterOne);
    QFETCH(bool, afterTwo);

    Game g({"MAISON"});
    g.newGame({0, 21, countdown});
    g.keys("X");
    QVERIFY(g.d().vitaminVisible);
    g.keys("A");
    QCOMPARE(g.d().vitaminVisible, afterOne);
    g.keys("Y");
    QCOMPARE(g.d().vitaminVisible, afterTwo);
}

void TestGameRules::winningLetterLeavesTheVitamin()
{
    Game g({"MAISON"});
    g.newGame({0, 0, 0, 21, 0});
    g.keys("AIS");
    QVERIFY(g.d().vitaminVisible);
    g.keys("O");
    QCOMPARE(g.line(GameDisplay::ResultLine), QStringLiteral("Gagné!!!"));
    QVERIFY(g.d().vitaminVisible);
    QCOMPARE(g.random.asked, (QList<qint32>{1, 50, 50, 50, 3}));
}

void TestGameRules::jokerShowsTheFirstHiddenLetterAtAPrice()
{
    Game g({"MAISON"});
    g.newGame();
    QSignalSpy spy(&g.rules, &GameRules::displayChanged);
    g.rules.Button13Click();
    g.rules.Button13Click();
    QCOMPARE(spy.count(), 2);
    QCOMPARE(g.d().jokerCaption, QStringLiteral("A"));
    QCOMPARE(g.rules.totals().Score, -20);
    QCOMPARE(g.d().scoreCounter, QStringLiteral("-20"));
    QCOMPARE(g.boxes(), QStringLiteral("M....N------"));
    QCOMPARE(g.rules.state().Tries, 0);
    g.keys("A");
    g.rules.Button13Click();
    QCOMPARE(g.d().jokerCaption, QStringLiteral("I"));
}

void TestGameRules::jokerIsFreeWhileTheVitaminShows()
{
    Game g({"MAISON"});
    g.newGame({0, 21, 2});
    g.keys("A");
    g.rules.Button13Click();
    QCOMPARE(g.rules.totals().Score, 0);
    QVERIFY(!g.d().vitaminVisible);
    g.rules.Button13Click();
    QCOMPARE(g.d().jokerCaption, QStringLiteral("I"));
    QCOMPARE(g.rules.totals().Score, -10);
}

void TestGameRules::jokerWithNoHiddenLetterKeepsItsCaption()
{
    Game g({"MAISON"});
    g.rules.Button13Click();
    QCOMPARE(g.d().jokerCaption, QStringLiteral("Joker"));
    QCOMPARE(g.d().scoreCounter, QStringLiteral("-10"));
    g.win();
    g.rules.Button13Click();
    QCOMPARE(g.d().jokerCaption, QStringLiteral("Joker"));
    QCOMPARE(g.rules.totals().Score, 40);
}

void TestGameRules::jokerCaptionOutlivesALossUntilAWin()
{
    Game g({"MAISON"});
    g.newGame();
    g.rules.Button13Click();
    g.keys("BCDFGH");
    QCOMPARE(g.d().jokerCaption, QStringLiteral("A"));
    g.newGame();
    QCOMPARE(g.d().jokerCaption, QStringLiteral("A"));
    g.keys("AIS");
    QCOMPARE(g.d().jokerCaption, QStringLiteral("A"));
    g.keys("O");
    QCOMPARE(g.d().jokerCaption, QStringLiteral("Joker"));
}

void TestGameRules::playedKeyIsDisabledAndDisabledKeysDoNothing()
{
    Game g({"MAISON"});
    g.newGame();
    QSignalSpy spy(&g.rules, &GameRules::displayChanged);
    g.keys("A");
    QCOMPARE(spy.count(), 1);
    QVERIFY(!g.d().keyEnabled[0]);
    QVERIFY(g.d().keyEnabled[1]);
    g.keys("A");
    QCOMPARE(spy.count(), 1);
    QCOMPARE(g.rules.state().Tries, 1);
}

void TestGameRules::physicalKeyboard_data()
{
    QTest::addColumn<QByteArray>("clicked");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<qint32>("tries");
    QTest::addColumn<QString>("boxes");
    QTest::newRow("lower case plays upper case") << QByteArray() << "a" << 1 << "MA...N------";
    QTest::newRow("upper case") << QByteArray() << "S" << 1 << "M..S.N------";
    QTest::newRow("letter typed twice") << QByteArray() << "aA" << 1 << "MA...N------";
    QTest::newRow("letter clicked, then typed") << QByteArray("A") << "a" << 1 << "MA...N------";
    QTest::newRow("digit") << QByteArray() << "1" << 0 << "M....N------";
    QTest::newRow("space") << QByteArray() << " " << 0 << "M....N------";
    QTest::newRow("accented letter") << QByteArray() << "éÉ" << 0 << "M....N------";
}

void TestGameRules::physicalKeyboard()
{
    QFETCH(QByteArray, clicked);
    QFETCH(QString, typed);
    QFETCH(qint32, tries);
    QFETCH(QString, boxes);

    Game g({"MAISON"});
    g.newGame();
    g.keys(clicked.constData());
    for (QChar c : typed)
        g.rules.FormKeyPress(c);
    QCOMPARE(g.rules.state().Tries, tries);
    QCOMPARE(g.boxes(), boxes);
}

void TestGameRules::nothingPlaysBeforeTheFirstGame()
{
    Game g({"MAISON"});
    QSignalSpy spy(&g.rules, &GameRules::displayChanged);
    g.rules.FormKeyPress(u'a');
    g.keys("M");
    QCOMPARE(spy.count(), 0);
    QCOMPARE(g.rules.state().Tries, 0);
    QCOMPARE(g.rules.state().TypedLetters, QStringLiteral("A")); // recorded, though nothing played
    g.newGame();
    QVERIFY(g.rules.state().TypedLetters.isEmpty());
    g.rules.FormKeyPress(u'a');
    QCOMPARE(g.boxes(), QStringLiteral("MA...N------"));
}

QTEST_GUILESS_MAIN(TestGameRules)
#include "tst_gamerules.moc"
