// The main window: the game through its controls, the keyboard, hints, start-up and shut-down on real files.
#include "ErrorReport.h"
#include "Fonts.h"
#include "HeaderBar.h"
#include "Main.h"
#include "OrvError.h"
#include "TestSupport.h"
#include "MessageBox.h"
#include "Unit1.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void keyboardPlaysOnlyNewLettersOfAToZ_data();
    void keyboardPlaysOnlyNewLettersOfAToZ();
    void nothingPlaysBeforeTheFirstGame();
    void aWonGameThroughTheLetterKeys();
    void aLostGameThroughTheLetterKeys();
    void newGameMidGameStartsAfresh();
    void hintPanelFollowsTheWindowWidth();
    void panelsNeverCoverTheGallows();
    void hintsGoToTooltipAndStatusBar_data();
    void hintsGoToTooltipAndStatusBar();
    void vitaminIconDoesNothingWhenClicked();
    void letterPlaysAfterTheMenusAreLeft_data();
    void letterPlaysAfterTheMenusAreLeft();
    void everyFocusableControlShowsADarkFrame();

    void untouchedListLeavesTheWordFileAlone();
    void removedWordRewritesTheWordFile();
    void scoreFileWrittenAtEveryExit();
    void unreadableWordFileKeepsTheScoreFileAndTheKeyboard();
    void failedWordSaveKeepsTheWindowOpen();

    void wordsAddedAndRemovedThroughTheDialog();

    void errorBoxAddsAFullStop_data();
    void errorBoxAddsAFullStop();

private:
    void start(const QByteArray &words);
    QPushButton *key(char letter) const;
    QString line(int n) const;
    QString counter(int header) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    ScriptedRandom m_random;
    std::unique_ptr<TMainForm> m_window;
    QStringList m_errors;
    ReportSink m_errorSink{ErrorReport::setSinkForTests, m_errors};
};

void TestMainWindow::initTestCase()
{
    Fonts::installSubstitutions();
}

void TestMainWindow::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_errors.clear();
}

void TestMainWindow::cleanup()
{
    if (m_window) {
        m_window->setForms({});
        m_window->hide();
    }
    m_window.reset();
}

void TestMainWindow::start(const QByteArray &words)
{
    if (!words.isNull())
        QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("Pendu.dat")), words));
    m_window = std::make_unique<TMainForm>(m_dir->path(), m_random);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // The first show runs once the window is on screen.
    QTRY_VERIFY(m_window->wordFileLoaded() || !m_errors.isEmpty());
}

QPushButton *TestMainWindow::key(char letter) const
{
    return m_window->findChild<QPushButton *>(QStringLiteral("SpeedButton%1").arg(letter - 'A' + 1));
}

QString TestMainWindow::line(int n) const
{
    return m_window->findChild<QLabel *>(QStringLiteral("Label%1").arg(n))->text();
}

QString TestMainWindow::counter(int header) const
{
    return m_window->findChild<HeaderBar *>(QStringLiteral("Header%1").arg(header))->sectionText(1);
}

void TestMainWindow::keyboardPlaysOnlyNewLettersOfAToZ_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("tries");

    QTest::newRow("lower case plays its capital") << QStringLiteral("a") << 1;
    QTest::newRow("capital") << QStringLiteral("A") << 1;
    QTest::newRow("same letter twice") << QStringLiteral("aA") << 1;
    QTest::newRow("digit") << QStringLiteral("7") << 0;
    QTest::newRow("space") << QStringLiteral(" ") << 0;
    QTest::newRow("accented letter") << QStringLiteral("é") << 0;
    QTest::newRow("two letters") << QStringLiteral("iz") << 2;
}

void TestMainWindow::keyboardPlaysOnlyNewLettersOfAToZ()
{
    QFETCH(QString, typed);
    QFETCH(int, tries);

    start(wordFile({"MAISON"}));
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    for (QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, m_window.get(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(m_window->rules().state().Tries, tries);
    if (typed.contains(u'a', Qt::CaseInsensitive))
        QVERIFY(!key('A')->isEnabled());
}

void TestMainWindow::nothingPlaysBeforeTheFirstGame()
{
    start(wordFile({"MAISON"}));
    QTest::sendKeyEvent(QTest::Click, m_window.get(), Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
    QTest::mouseClick(key('M'), Qt::LeftButton);
    QCOMPARE(m_window->rules().state().Tries, 0);
    QCOMPARE(line(1), QString());
    QCOMPARE(m_window->findChild<QStackedWidget *>(QStringLiteral("Notebook1"))->currentIndex(), 6);
}

void TestMainWindow::aWonGameThroughTheLetterKeys()
{
    start(wordFile({"MAISON"}));
    m_window->findChild<QToolButton *>(QStringLiteral("OpenBtn"))->click();
    QCOMPARE(m_window->findChild<QPushButton *>(QStringLiteral("Button1"))->text(), QStringLiteral("M"));
    QCOMPARE(m_window->findChild<QPushButton *>(QStringLiteral("Button2"))->text(), QStringLiteral("."));
    QVERIFY(m_window->findChild<QPushButton *>(QStringLiteral("Button7"))->isHidden());

    for (char c : std::string("ZAIOS"))
        QTest::mouseClick(key(c), Qt::LeftButton);
    QCOMPARE(line(1), QStringLiteral("5 Essais"));
    QCOMPARE(line(2), QStringLiteral("1 Echec"));
    QCOMPARE(line(3), QStringLiteral("Gagné!!!"));
    QCOMPARE(line(4), QStringLiteral("Bravo!!!"));
    QCOMPARE(counter(2), QStringLiteral("1"));
    QCOMPARE(counter(3), QStringLiteral("1"));
    QCOMPARE(counter(4), QStringLiteral("0"));
    QCOMPARE(counter(5), QStringLiteral("50"));
    QVERIFY(!key('B')->isEnabled());
}

void TestMainWindow::aLostGameThroughTheLetterKeys()
{
    start(wordFile({"MAISON"}));
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    for (char c : std::string("BCDEFG"))
        QTest::mouseClick(key(c), Qt::LeftButton);
    QCOMPARE(line(2), QStringLiteral("6 Echecs"));
    QCOMPARE(line(3), QStringLiteral("Perdu!!!"));
    QCOMPARE(line(4), QStringLiteral("La solution était"));
    QCOMPARE(line(5), QStringLiteral("MAISON"));
    QCOMPARE(counter(2), QStringLiteral("1"));
    QCOMPARE(counter(4), QStringLiteral("1"));
    QCOMPARE(counter(5), QStringLiteral("0"));
    QCOMPARE(m_window->findChild<QStackedWidget *>(QStringLiteral("Notebook1"))->currentIndex(), 6);
    QVERIFY(!key('H')->isEnabled());
}

void TestMainWindow::newGameMidGameStartsAfresh()
{
    start(wordFile({"MAISON"}));
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    QTest::mouseClick(key('B'), Qt::LeftButton);
    QTest::mouseClick(key('A'), Qt::LeftButton);
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    QCOMPARE(line(1), QString());
    QCOMPARE(line(2), QString());
    QVERIFY(key('A')->isEnabled() && key('B')->isEnabled());
    QCOMPARE(m_window->findChild<QStackedWidget *>(QStringLiteral("Notebook1"))->currentIndex(), 0);
    QCOMPARE(counter(2), QStringLiteral("0"));
}

void TestMainWindow::hintPanelFollowsTheWindowWidth()
{
    start(wordFile({"MAISON"}));
    auto *hint = m_window->findChild<QLabel *>(QStringLiteral("HintPanel"));
    QCOMPARE(hint->width(), m_window->frameGeometry().width() - 100);
    m_window->resize(900, m_window->height());
    QTRY_COMPARE(hint->width(), m_window->frameGeometry().width() - 100);
    auto *clock = m_window->findChild<QLabel *>(QStringLiteral("ClockPanel"));
    QVERIFY(clock->text().startsWith(QStringLiteral("    ")));
    QVERIFY(QTime::fromString(clock->text().mid(4), QStringLiteral("HH:mm:ss")).isValid());
}

// Shrunk as far as it goes, the window keeps the gallows and the letter boxes clear of its panels.
void TestMainWindow::panelsNeverCoverTheGallows()
{
    start(wordFile({"MAISON"}));
    m_window->resize(300, 300);
    QTRY_COMPARE(m_window->size(), m_window->minimumSize());
    const auto place = [this](const char *name) { return m_window->findChild<QWidget *>(QLatin1String(name))->geometry(); };
    const QRect boxes = place("Button1").united(place("Button12"));
    for (const char *panel : {"Panel1", "Panel2"}) {
        QVERIFY2(!place(panel).intersects(place("Notebook1")), panel);
        QVERIFY2(!place(panel).intersects(boxes), panel);
    }
}

void TestMainWindow::hintsGoToTooltipAndStatusBar_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("tooltip");
    QTest::addColumn<QString>("status");

    QTest::newRow("new game") << QStringLiteral("OpenBtn") << QStringLiteral("Nouvelle partie")
                              << QStringLiteral("Nouvelle partie");
    QTest::newRow("top ten") << QStringLiteral("SpeedButton34") << QStringLiteral("Top 10") << QStringLiteral("Top 10");
    QTest::newRow("exit empties the panel") << QStringLiteral("ExitBtn") << QStringLiteral("Quitter") << QString();
}

void TestMainWindow::hintsGoToTooltipAndStatusBar()
{
    QFETCH(QString, button);
    QFETCH(QString, tooltip);
    QFETCH(QString, status);

    start(wordFile({"MAISON"}));
    auto *hint = m_window->findChild<QLabel *>(QStringLiteral("HintPanel"));
    m_window->ShowHint(QStringLiteral("avant"));
    auto *speed = m_window->findChild<QToolButton *>(button);
    QCOMPARE(speed->toolTip(), tooltip);
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(speed, &enter);
    QCOMPARE(hint->text(), status);

    auto *joueur = m_window->findChild<QAction *>(QStringLiteral("Joueur1"));
    Q_EMIT joueur->hovered();
    QCOMPARE(hint->text(), QStringLiteral("Définir le joueur"));
}

void TestMainWindow::vitaminIconDoesNothingWhenClicked()
{
    start(wordFile({"MAISON"}));
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    const GameDisplay before = m_window->rules().display();
    m_window->findChild<QToolButton *>(QStringLiteral("SpeedButton29"))->click();
    QCOMPARE(m_window->rules().display(), before);
}

// Keys go where the keyboard sends them: to the open menu, else to the focused widget.
void TestMainWindow::letterPlaysAfterTheMenusAreLeft_data()
{
    QTest::addColumn<int>("menuKey");
    QTest::addColumn<QList<int>>("closingKeys");
    QTest::addColumn<int>("tries");

    QTest::newRow("Fichier, Escape, Escape") << int(Qt::Key_F) << QList<int>{Qt::Key_Escape, Qt::Key_Escape} << 2;
    QTest::newRow("Aide, Escape, Escape") << int(Qt::Key_A) << QList<int>{Qt::Key_Escape, Qt::Key_Escape} << 2;
    QTest::newRow("Fichier, Nouvelle partie by Enter") << int(Qt::Key_F) << QList<int>{Qt::Key_Return} << 1;
}

void TestMainWindow::letterPlaysAfterTheMenusAreLeft()
{
    QFETCH(int, menuKey);
    QFETCH(QList<int>, closingKeys);
    QFETCH(int, tries);

    start(wordFile({"MAISON"}));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), 'b');
    // As when the window itself has the focus: the menu bar then has no widget to hand it back to.
    QApplication::focusWidget()->clearFocus();
    QTest::keyClick(m_window.get(), Qt::Key(menuKey), Qt::AltModifier);
    for (int closing : closingKeys) {
        QWidget *popup = QApplication::activePopupWidget();
        QTest::keyClick(popup ? popup : QApplication::focusWidget(), Qt::Key(closing));
    }
    QVERIFY(!QApplication::activePopupWidget());
    QTest::keyClick(QApplication::focusWidget(), 'a');
    QCOMPARE(m_window->rules().state().Tries, tries);
    QVERIFY(!key('A')->isEnabled());
}

// Counts the pixels that are dark once the widget has the focus and were not before.
static int darkenedByFocus(QWidget *widget)
{
    widget->clearFocus();
    const QImage before = widget->grab().toImage();
    widget->setFocus(Qt::TabFocusReason);
    const QImage after = widget->grab().toImage();
    int darkened = 0;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            darkened += after.pixel(x, y) != before.pixel(x, y) && QColor(after.pixel(x, y)).lightness() < 80;
    return darkened;
}

void TestMainWindow::everyFocusableControlShowsADarkFrame()
{
    // A style's own focus mark is a faint tint or outline on the orange; a two-pixel dark frame round
    // the smallest control, a letter box, darkens at least this much.
    constexpr int LeastFrame = 100;
    start(wordFile({"MAISON"}));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    int checked = 0;
    for (QWidget *widget : m_window->findChildren<QWidget *>()) {
        if (!widget->isVisible() || !widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        const int darkened = darkenedByFocus(widget);
        QVERIFY2(darkened >= LeastFrame, qPrintable(QStringLiteral("%1: %2").arg(widget->objectName()).arg(darkened)));
        ++checked;
    }
    // The game area, the six letter boxes and the Joker.
    QCOMPARE(checked, 8);
}

void TestMainWindow::untouchedListLeavesTheWordFileAlone()
{
    // A 5-letter entry is dropped at load, but that alone does not rewrite the file.
    const QByteArray bytes = wordFile({"MAISON", "CHAT"});
    start(bytes);
    QCOMPARE(m_window->wordList().count(), 1);
    const QString path = m_dir->filePath(QStringLiteral("Pendu.dat"));
    const QDateTime stamp = QFileInfo(path).lastModified();
    QVERIFY(m_window->close());
    QCOMPARE(readBytes(path), bytes);
    QCOMPARE(QFileInfo(path).lastModified(), stamp);
}

void TestMainWindow::removedWordRewritesTheWordFile()
{
    start(wordFile({"MAISON", "ABRICOT", "CHANTER"}));
    m_window->wordList().removeAt(1);
    QVERIFY(m_window->close());
    QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("Pendu.dat"))), wordFile({"MAISON", "CHANTER"}));
}

void TestMainWindow::scoreFileWrittenAtEveryExit()
{
    start(wordFile({"MAISON"}));
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    for (char c : std::string("AISO"))
        QTest::mouseClick(key(c), Qt::LeftButton);
    QVERIFY(m_window->close());
    QCOMPARE(readBytes(m_dir->filePath(QStringLiteral("Orvpendu.ini"))),
             QByteArray("\r\n\t60\r\n") + QByteArray("\t\r\n").repeated(9));
}

void TestMainWindow::unreadableWordFileKeepsTheScoreFileAndTheKeyboard()
{
    const QString scorePath = m_dir->filePath(QStringLiteral("Orvpendu.ini"));
    const QByteArray stored("Ana\r\nAna\t300\r\n");
    QVERIFY(writeBytes(scorePath, stored));
    start(QByteArray());
    QCOMPARE(m_errors, QStringList{QStringLiteral("Ne peut ouvrir le fichier Pendu.dat.")});
    QVERIFY(!key('A')->isEnabled());
    QTest::sendKeyEvent(QTest::Click, m_window.get(), Qt::Key_A, QStringLiteral("a"), Qt::NoModifier);
    QCOMPARE(m_window->rules().state().Tries, 0);
    QTest::keyClick(m_window.get(), Qt::Key_F2);
    QCOMPARE(m_errors.last(), QStringLiteral("Aucun mot jouable dans le dictionnaire."));
    QVERIFY(m_window->close());
    QCOMPARE(readBytes(scorePath), stored);
}

void TestMainWindow::failedWordSaveKeepsTheWindowOpen()
{
    start(wordFile({"MAISON", "ABRICOT"}));
    m_window->wordList().removeAt(0);
    // The word file's name taken by a folder: it cannot be created.
    const QString path = m_dir->filePath(QStringLiteral("Pendu.dat"));
    QVERIFY(QFile::remove(path));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("Pendu.dat")));
    QVERIFY(!m_window->close());
    QCOMPARE(m_errors, QStringList{QStringLiteral("Ne peut créer le fichier Pendu.dat.")});
    QVERIFY(m_window->isVisible());
    QVERIFY(m_window->wordList().WordListDirty());
    QCOMPARE(m_window->wordList().count(), 1);

    QVERIFY(QDir(m_dir->path()).rmdir(QStringLiteral("Pendu.dat")));
    QVERIFY(m_window->close());
    QCOMPARE(readBytes(path), wordFile({"ABRICOT"}));
}

// Runs the handler, its add/remove dialog answered as soon as it is up: the word typed, then Enter.
static void answerWordDialog(TMainForm &window, void (TMainForm::*handler)(), const QString &typed)
{
    const bool shown = answerModal([&window, handler] { (window.*handler)(); }, [&typed](QWidget *dialog) {
        QVERIFY(qobject_cast<TAjout *>(dialog));
        auto *field = dialog->findChild<QLineEdit *>(QStringLiteral("Edit1"));
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key_Return);
    });
    QVERIFY2(shown, "the word dialog did not come up");
}

void TestMainWindow::wordsAddedAndRemovedThroughTheDialog()
{
    start(wordFile({"POMMES", "MAISON", "ABRICOT", "MAISON"}));
    auto *dialog = new TAjout(m_window.get());
    m_window->setForms({dialog});
    QStringList messages;
    const ReportSink messageSink(MessageBox::setSinkForTests, messages);

    answerWordDialog(*m_window, &TMainForm::Ajoutermot1Click, QStringLiteral("abricot"));
    QCOMPARE(messages, QStringList{QStringLiteral("Ce mot existe déjà")});
    QVERIFY(!m_window->wordList().WordListDirty());

    answerWordDialog(*m_window, &TMainForm::Ajoutermot1Click, QStringLiteral("Anticonstitu"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Ajouter un mot"));
    QCOMPARE(plainOf(m_window->wordList()), (PlainWords{"ABRICOT", "ANTICONSTITU", "MAISON", "MAISON", "POMMES"}));
    QVERIFY(m_window->wordList().WordListDirty());

    for (int i = 0; i < 3; ++i)
        answerWordDialog(*m_window, &TMainForm::Supprimermot1Click, QStringLiteral("MAISON"));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Supprimer un mot"));
    QCOMPARE(plainOf(m_window->wordList()), (PlainWords{"ABRICOT", "ANTICONSTITU", "POMMES"}));
    QCOMPARE(messages.last(), QStringLiteral("Ce mot n'existe pas"));

    // A 13-letter word is kept until the program ends, then dropped at the next start.
    answerWordDialog(*m_window, &TMainForm::Ajoutermot1Click, QStringLiteral("ANTICONSTITUT"));
    QCOMPARE(m_window->wordList().count(), 4);
    m_window->setForms({});
    QVERIFY(m_window->close());
    m_window.reset();
    start(QByteArray());
    QCOMPARE(m_window->wordList().count(), 3);
}

void TestMainWindow::errorBoxAddsAFullStop_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");

    QTest::newRow("letter") << QStringLiteral("Ne peut ouvrir le fichier Pendu.dat")
                            << QStringLiteral("Ne peut ouvrir le fichier Pendu.dat.");
    QTest::newRow("already a stop") << QStringLiteral("Fin.") << QStringLiteral("Fin.");
    QTest::newRow("quote is below the stop") << QStringLiteral("'x' n'est pas") << QStringLiteral("'x' n'est pas.");
    QTest::newRow("closing quote") << QStringLiteral("valeur 'x'") << QStringLiteral("valeur 'x'");
    QTest::newRow("exclamation") << QStringLiteral("Non!") << QStringLiteral("Non!");
    QTest::newRow("digit") << QStringLiteral("Erreur 5") << QStringLiteral("Erreur 5.");
    QTest::newRow("slash is above") << QStringLiteral("a/") << QStringLiteral("a/.");
    QTest::newRow("empty") << QString() << QString();
}

void TestMainWindow::errorBoxAddsAFullStop()
{
    QFETCH(QString, text);
    QFETCH(QString, shown);

    QVERIFY(!ErrorReport::guarded(nullptr, [&] { throw OrvError(text); }));
    QCOMPARE(m_errors, QStringList{shown});
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
