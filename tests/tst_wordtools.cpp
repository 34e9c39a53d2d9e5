// The word tools driven through their windows: the one-word dialog with the changes it drives, and
// how the dictionary browser, the statistics and the word search show their logic and take input.
#include "ErrorReport.h"
#include "Fonts.h"
#include "MessageBox.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"
#include "WordEditing.h"
#include "WordList.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using Words = std::vector<std::string>;
Q_DECLARE_METATYPE(Words)

namespace {

// File order, with words under A, M and Z and none under B.
const Words Vocabulary{"MOUTON", "ZEBRE", "ABRICOT", "MAISON", "ANANAS", "ZOZOTER", "CHATON", "MAISONNETTE"};

// QTest::keyClicks takes ASCII only; accented letters arrive with their own key code, as from a keyboard.
void typeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(widget, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
    }
}

template <typename T = QPushButton>
T *child(const QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

void click(const QWidget *window, const QString &name)
{
    QTest::mouseClick(child<QAbstractButton>(window, name), Qt::LeftButton);
}

QStringList shownWords(const QWidget *window)
{
    const QAbstractItemModel *model = child<QListView>(window, QStringLiteral("ListBox1"))->model();
    QStringList words;
    for (int row = 0; row < model->rowCount(); ++row)
        words << model->index(row, 0).data().toString();
    return words;
}

// Focus moves, and with them the length field's setting back, need the window active.
void open(QWidget *window)
{
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

void typeLength(TRMots *search, const QString &text)
{
    auto *spin = child<QAbstractSpinBox>(search, QStringLiteral("SpinEdit1"));
    spin->setFocus();
    spin->selectAll();
    QTest::keyClick(spin, Qt::Key_Delete);
    QTest::keyClicks(spin, text);
}

// Clicks each cell that shows a letter in the pattern, then that letter on the palette.
void placeLetters(TRMots *search, const QString &pattern)
{
    for (int p = 1; p <= pattern.size(); ++p) {
        if (pattern.at(p - 1) == u'.')
            continue;
        QTest::mouseClick(child<QLabel>(search, QStringLiteral("Label%1").arg(p + 1)), Qt::LeftButton);
        click(search, QStringLiteral("SpeedButton%1").arg(pattern.at(p - 1).unicode() - 'A' + 1));
    }
}

} // namespace

class TestWordTools : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void fieldTakesCapitalsOnly_data();
    void fieldTakesCapitalsOnly();
    void contextMenuPasteIsFilteredBeforeTheCut();
    void closingWaysSetOkPressed_data();
    void closingWaysSetOkPressed();
    void enterOnTheFieldEmptiedAtOpeningChangesNothing();
    void addAndRemove_data();
    void addAndRemove();
    void longWordAddedIsGoneAfterRestart_data();
    void longWordAddedIsGoneAfterRestart();

    void browserOpensOnTheAWords();
    void arrowsAndPageKeysStepOneLetter_data();
    void arrowsAndPageKeysStepOneLetter();
    void browserEmptiesItsCopyAtClosing_data();
    void browserEmptiesItsCopyAtClosing();
    void enterPressesOnlyTheFocusedButton();

    void statisticsShowTheirLinesInOrder();

    void cellsBeyondTheLengthAreRefusedAndIgnored();
    void focusedCellTakesTypedKeys_data();
    void focusedCellTakesTypedKeys();
    void lengthFieldIsSetBackOnLeaving_data();
    void lengthFieldIsSetBackOnLeaving();
    void searchKeepsItsStateAcrossOpenings();

private:
    // As the main window's handlers do: caption, modal dialog, then Result.
    QString runDialog(const QString &caption, const std::function<void(QLineEdit *)> &typing);

    TAjout *m_ajout = nullptr;
    QStringList m_messages;
    ReportSink m_messageSink{MessageBox::setSinkForTests, m_messages};
    ReportSink m_errorSink{ErrorReport::setSinkForTests};
};

void TestWordTools::initTestCase()
{
    Fonts::installSubstitutions();
}

void TestWordTools::init()
{
    m_ajout = new TAjout;
    m_messages.clear();
}

void TestWordTools::cleanup()
{
    delete m_ajout;
    QGuiApplication::clipboard()->clear();
}

QString TestWordTools::runDialog(const QString &caption, const std::function<void(QLineEdit *)> &typing)
{
    m_ajout->setWindowTitle(caption);
    answerModal([this] { m_ajout->exec(); }, [this, &typing](QWidget *) {
        QVERIFY(QTest::qWaitForWindowActive(m_ajout));
        typing(child<QLineEdit>(m_ajout, QStringLiteral("Edit1")));
    });
    QString word;
    m_ajout->Result(word);
    return word;
}

void TestWordTools::fieldTakesCapitalsOnly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QKeySequence>("paste");
    QTest::addColumn<QString>("shown");

    const QKeySequence none, ctrlV(Qt::CTRL | Qt::Key_V), shiftInsert(Qt::SHIFT | Qt::Key_Insert);
    QTest::newRow("lower case to capitals") << "maIsOn" << "" << none << "MAISON";
    QTest::newRow("accented letters dropped") << "éléphant" << "" << none << "LPHANT";
    QTest::newRow("digits, space, hyphen, apostrophe dropped") << "a1 b-c'd" << "" << none << "ABCD";
    QTest::newRow("backspace erases") << "chatx\b" << "" << none << "CHAT";
    QTest::newRow("fourteen at most") << "abcdefghijklmnopq" << "" << none << "ABCDEFGHIJKLMN";
    QTest::newRow("Ctrl+V pastes nothing") << "ab" << "cdef" << ctrlV << "AB";
    QTest::newRow("Shift+Insert pastes filtered") << "ab" << "c-d é1f" << shiftInsert << "ABCDF";
    // Letters are kept before the cut: the hyphens take no room.
    QTest::newRow("pasted letters fill to fourteen") << "abcdefghij" << "k-l-m-n-o" << shiftInsert << "ABCDEFGHIJKLMN";
}

void TestWordTools::fieldTakesCapitalsOnly()
{
    QFETCH(QString, typed);
    QFETCH(QString, clipboard);
    QFETCH(QKeySequence, paste);
    QFETCH(QString, shown);

    auto *edit = child<QLineEdit>(m_ajout, QStringLiteral("Edit1"));
    typeText(edit, typed);
    if (!paste.isEmpty()) {
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keySequence(edit, paste);
    }
    QCOMPARE(edit->text(), shown);
    QVERIFY(!m_ajout->OkPressed());
}

void TestWordTools::contextMenuPasteIsFilteredBeforeTheCut()
{
    auto *edit = child<QLineEdit>(m_ajout, QStringLiteral("Edit1"));
    m_ajout->show();
    typeText(edit, QStringLiteral("ABCDEFGHIJ"));
    QGuiApplication::clipboard()->setText(QStringLiteral("k-l-m-n-o"));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(edit, &event);
    auto *menu = edit->findChild<QMenu *>();
    QVERIFY(menu);
    for (QAction *action : menu->actions())
        if (action->text().endsWith(QLatin1String("\tCtrl+V")))
            action->trigger();
    menu->close();
    QCOMPARE(edit->text(), QStringLiteral("ABCDEFGHIJKLMN"));
}

void TestWordTools::closingWaysSetOkPressed_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("ok");

    QTest::newRow("OK") << "OK" << true;
    QTest::newRow("Enter in the field") << "Enter" << true;
    QTest::newRow("Annuler") << "Annuler" << false;
    QTest::newRow("Escape in the field") << "Escape" << false;
    QTest::newRow("Escape on OK") << "Escape on OK" << false;
    QTest::newRow("close box acts as Annuler") << "close box" << false;
}

void TestWordTools::closingWaysSetOkPressed()
{
    QFETCH(QString, way);
    QFETCH(bool, ok);

    // The last closing decides; the one before gives the other outcome.
    runDialog(QStringLiteral("Ajouter un mot"), [&](QLineEdit *edit) {
        QTest::keyClick(edit, ok ? Qt::Key_Escape : Qt::Key_Return);
    });
    QCOMPARE(m_ajout->OkPressed(), !ok);

    const QString word = runDialog(QStringLiteral("Ajouter un mot"), [&](QLineEdit *edit) {
        QTest::keyClicks(edit, QStringLiteral("chene"));
        auto *okButton = child(m_ajout, QStringLiteral("Button1"));
        if (way == QLatin1String("OK"))
            QTest::mouseClick(okButton, Qt::LeftButton);
        else if (way == QLatin1String("Enter"))
            QTest::keyClick(edit, Qt::Key_Return);
        else if (way == QLatin1String("Annuler"))
            click(m_ajout, QStringLiteral("Button2"));
        else if (way == QLatin1String("Escape"))
            QTest::keyClick(edit, Qt::Key_Escape);
        else if (way == QLatin1String("Escape on OK")) {
            okButton->setFocus();
            QTest::keyClick(okButton, Qt::Key_Escape);
        } else
            m_ajout->close();
    });
    QVERIFY(!m_ajout->isVisible());
    QCOMPARE(m_ajout->OkPressed(), ok);
    QCOMPARE(word, ok ? QStringLiteral("CHENE") : QString());
}

void TestWordTools::enterOnTheFieldEmptiedAtOpeningChangesNothing()
{
    runDialog(QStringLiteral("Ajouter un mot"), [](QLineEdit *edit) { QTest::keyClicks(edit, QStringLiteral("hetre\r")); });
    const QString word = runDialog(QStringLiteral("Ajouter un mot"), [](QLineEdit *edit) {
        QVERIFY(edit->hasFocus());
        QCOMPARE(edit->text(), QString());
        QTest::keyClick(edit, Qt::Key_Enter);
    });
    QVERIFY(m_ajout->OkPressed());
    WordList list = listOf({"HETRE"});
    QCOMPARE(addWord(list, word), AddResult::NothingTyped);
    QCOMPARE(removeWord(list, word), RemoveResult::NothingTyped);
    QCOMPARE(plainOf(list), Words{"HETRE"});
    QVERIFY(!list.WordListDirty());
}

void TestWordTools::addAndRemove_data()
{
    QTest::addColumn<Words>("before");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<Words>("after");
    QTest::addColumn<QStringList>("messages");

    const Words fileOrder{"TOMATE", "ABRICOT", "MAISON"};
    const Words twice{"ZEBRE", "MAISON", "CASTOR", "MAISON", "ABEILLE"};
    const QString exists = QStringLiteral("Ce mot existe déjà"), missing = QStringLiteral("Ce mot n'existe pas");
    QTest::newRow("addition sorts a list in file order")
        << fileOrder << QStringList{"+jardin"} << Words{"ABRICOT", "JARDIN", "MAISON", "TOMATE"} << QStringList{};
    QTest::newRow("duplicate in any case of typing")
        << fileOrder << QStringList{"+maison", "+AbRiCoT"} << fileOrder << QStringList{exists, exists};
    QTest::newRow("prefix sorts before the longer word") << Words{"MAISONNETTE", "ZEBRE"} << QStringList{"+maison"}
                                                         << Words{"MAISON", "MAISONNETTE", "ZEBRE"} << QStringList{};
    // The first of two equal entries goes, then the other; the rest keeps its order, unsorted.
    QTest::newRow("removal of one of two equal entries")
        << twice << QStringList{"-maison"} << Words{"ZEBRE", "CASTOR", "MAISON", "ABEILLE"} << QStringList{};
    QTest::newRow("then the other, then none")
        << twice << QStringList{"-maison", "-MAISON", "-maison"} << Words{"ZEBRE", "CASTOR", "ABEILLE"}
        << QStringList{missing};
}

void TestWordTools::addAndRemove()
{
    QFETCH(Words, before);
    QFETCH(QStringList, commands);
    QFETCH(Words, after);
    QFETCH(QStringList, messages);

    WordList list = listOf(before);
    for (const QString &command : commands) {
        const bool adding = command.startsWith(u'+');
        const QString word = runDialog(adding ? QStringLiteral("Ajouter un mot") : QStringLiteral("Supprimer un mot"),
                                       [&](QLineEdit *edit) {
                                           typeText(edit, command.mid(1));
                                           click(m_ajout, QStringLiteral("Button1"));
                                       });
        const QString message = adding ? messageFor(addWord(list, word)) : messageFor(removeWord(list, word));
        if (!message.isEmpty())
            MessageBox::showPlain(nullptr, message);
    }
    QCOMPARE(plainOf(list), after);
    QCOMPARE(m_messages, messages);
    QCOMPARE(list.WordListDirty(), after != before);
}

void TestWordTools::longWordAddedIsGoneAfterRestart_data()
{
    QTest::addColumn<QString>("typed");

    QTest::newRow("13 letters") << "anticonformes";
    QTest::newRow("14 letters") << "anticonformism";
}

void TestWordTools::longWordAddedIsGoneAfterRestart()
{
    QFETCH(QString, typed);

    WordList list = listOf({"MAISON", "ZEBRES"});
    const QString word = runDialog(QStringLiteral("Ajouter un mot"), [&](QLineEdit *edit) { typeText(edit, typed + u'\r'); });
    QCOMPARE(addWord(list, word), AddResult::Added);
    QCOMPARE(plainOf(list), (Words{typed.toUpper().toStdString(), "MAISON", "ZEBRES"}));

    QTemporaryDir dir;
    list.save(dir.filePath(QStringLiteral("Pendu.dat")));
    WordList restarted;
    restarted.load(dir.filePath(QStringLiteral("Pendu.dat")));
    restarted.Verifie();
    QCOMPARE(plainOf(restarted), (Words{"MAISON", "ZEBRES"}));
}

void TestWordTools::browserOpensOnTheAWords()
{
    TDico dico;
    dico.Init(listOf(Vocabulary));
    dico.show();
    QCOMPARE(dico.focusWidget(), child(&dico, QStringLiteral("Button27")));
    QCOMPARE(shownWords(&dico), (QStringList{"ABRICOT", "ANANAS"}));
    click(&dico, QStringLiteral("Button26"));
    QCOMPARE(shownWords(&dico), (QStringList{"ZEBRE", "ZOZOTER"}));
    click(&dico, QStringLiteral("Button27"));
    dico.Init(listOf(Vocabulary));
    dico.show();
    QCOMPARE(shownWords(&dico), (QStringList{"ABRICOT", "ANANAS"}));
}

// From B, which has no words, between the A and the C words.
void TestWordTools::arrowsAndPageKeysStepOneLetter_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QStringList>("words");

    const QStringList a{"ABRICOT", "ANANAS"}, c{"CHATON"};
    QTest::newRow("right arrow") << "SpeedButton1" << c;
    QTest::newRow("Page Down") << "PageDown" << c;
    QTest::newRow("left arrow") << "SpeedButton2" << a;
    QTest::newRow("Page Up") << "PageUp" << a;
}

void TestWordTools::arrowsAndPageKeysStepOneLetter()
{
    QFETCH(QString, action);
    QFETCH(QStringList, words);

    TDico dico;
    dico.Init(listOf(Vocabulary));
    dico.show();
    const QString letterButton = QStringLiteral("Button2");
    click(&dico, letterButton);
    // The keys reach the window from the letter button that was clicked.
    if (action.startsWith(QLatin1String("Page")))
        QTest::keyClick(child(&dico, letterButton), action == QLatin1String("PageUp") ? Qt::Key_PageUp : Qt::Key_PageDown);
    else
        click(&dico, action);
    QCOMPARE(shownWords(&dico), words);
}

void TestWordTools::browserEmptiesItsCopyAtClosing_data()
{
    QTest::addColumn<QString>("way");

    QTest::newRow("Fermer") << "Fermer";
    QTest::newRow("Escape on a letter button") << "Escape";
    QTest::newRow("close box") << "close box";
}

void TestWordTools::browserEmptiesItsCopyAtClosing()
{
    QFETCH(QString, way);

    TDico dico;
    dico.Init(listOf(Vocabulary));
    dico.show();
    QCOMPARE(dico.copyCount(), int(Vocabulary.size()));
    if (way == QLatin1String("Fermer"))
        click(&dico, QStringLiteral("Button27"));
    else if (way == QLatin1String("Escape"))
        QTest::keyClick(child(&dico, QStringLiteral("Button5")), Qt::Key_Escape);
    else
        dico.close();
    QVERIFY(!dico.isVisible());
    QCOMPARE(dico.copyCount(), 0);
}

void TestWordTools::enterPressesOnlyTheFocusedButton()
{
    // Neither window has a default button: Enter in a field or a list presses nothing.
    TDico dico;
    dico.Init(listOf(Vocabulary));
    open(&dico);
    auto *list = child<QListView>(&dico, QStringLiteral("ListBox1"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(list, Qt::Key_Return);
    QVERIFY(dico.isVisible());
    child(&dico, QStringLiteral("Button13"))->setFocus();
    QTest::keyClick(child(&dico, QStringLiteral("Button13")), Qt::Key_Return);
    QCOMPARE(shownWords(&dico), (QStringList{"MOUTON", "MAISON", "MAISONNETTE"}));

    TRMots search;
    search.Init(listOf(Vocabulary));
    open(&search);
    placeLetters(&search, QStringLiteral("Z"));
    typeLength(&search, QStringLiteral("7"));
    QTest::keyClick(child<QAbstractSpinBox>(&search, QStringLiteral("SpinEdit1")), Qt::Key_Return);
    QCOMPARE(child<QLabel>(&search, QStringLiteral("Label2"))->text(), QStringLiteral("Z"));
    QCOMPARE(child<QLineEdit>(&search, QStringLiteral("Edit1"))->text(), QString());
    child(&search, QStringLiteral("Button2"))->setFocus();
    QTest::keyClick(child(&search, QStringLiteral("Button2")), Qt::Key_Enter);
    QCOMPARE(shownWords(&search), QStringList{"ZOZOTER"});
}

// Each label shows its line, and a second Init replaces the first list's counts.
void TestWordTools::statisticsShowTheirLinesInOrder()
{
    TStats stats;
    stats.Init(listOf({"AUTREFOIS"}));
    stats.Init(listOf({"MAISON", "CHATON", "ABRICOT", "ORDINATEUR", "DOUZELETTRES"}));
    QStringList shown;
    for (const char *name : {"Label1", "Label3", "Label2", "Label4", "Label5", "Label6", "Label7", "Label8"})
        shown << child<QLabel>(&stats, QLatin1String(name))->text();
    QCOMPARE(shown, (QStringList{"Nombre de mots : 5", "Mots de 6 lettres : 2", "Mots de 7 lettres : 1",
                                 "Mots de 8 lettres : 0", "Mots de 9 lettres : 0", "Mots de 10 lettres : 1",
                                 "Mots de 11 lettres : 0", "Mots de 12 lettres : 1"}));
}

void TestWordTools::cellsBeyondTheLengthAreRefusedAndIgnored()
{
    TRMots search;
    search.Init(listOf(Vocabulary));
    open(&search);
    auto *palette = child<QWidget>(&search, QStringLiteral("Panel1"));
    auto *cell12 = child<QLabel>(&search, QStringLiteral("Label13"));
    QTest::mouseClick(child<QLabel>(&search, QStringLiteral("Label8")), Qt::LeftButton);
    QVERIFY(!palette->isVisible());

    typeLength(&search, QStringLiteral("12"));
    QTest::mouseClick(cell12, Qt::LeftButton);
    QVERIFY(palette->isVisible());
    click(&search, QStringLiteral("SpeedButton17"));
    QVERIFY(!palette->isVisible());

    // At 11 the Q in cell 12 stays on screen and no longer counts; "C" clears it and keeps the results.
    QTest::keyClick(child<QAbstractSpinBox>(&search, QStringLiteral("SpinEdit1")), Qt::Key_Down);
    QTest::mouseClick(cell12, Qt::LeftButton);
    QVERIFY(!palette->isVisible());
    click(&search, QStringLiteral("Button2"));
    QCOMPARE(cell12->text(), QStringLiteral("Q"));
    QCOMPARE(shownWords(&search), QStringList{"MAISONNETTE"});
    click(&search, QStringLiteral("Button1"));
    QCOMPARE(cell12->text(), QStringLiteral("."));
    QCOMPARE(shownWords(&search), QStringList{"MAISONNETTE"});
    QCOMPARE(child<QLineEdit>(&search, QStringLiteral("Edit1"))->text(), QStringLiteral("1 mot"));
}

void TestWordTools::focusedCellTakesTypedKeys_data()
{
    QTest::addColumn<int>("position");
    // Printable characters, or Qt key codes.
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("paletteShown");

    QTest::newRow("lower case goes in as a capital") << 1 << QList<int>{'m'} << "M" << false;
    QTest::newRow("a second letter replaces the first") << 3 << QList<int>{'m', 'Q'} << "Q" << false;
    QTest::newRow("Delete puts the dot back") << 2 << QList<int>{'m', Qt::Key_Delete} << "." << false;
    QTest::newRow("Backspace puts the dot back") << 6 << QList<int>{'r', Qt::Key_Backspace} << "." << false;
    QTest::newRow("a digit changes nothing") << 1 << QList<int>{'7'} << "." << false;
    QTest::newRow("beyond the length, refused") << 8 << QList<int>{'z'} << "." << false;
    QTest::newRow("Space opens the palette") << 4 << QList<int>{Qt::Key_Space} << "." << true;
}

// Tab goes from the length field through the cells; a click leaves the focus where it is.
void TestWordTools::focusedCellTakesTypedKeys()
{
    QFETCH(int, position);
    QFETCH(QList<int>, keys);
    QFETCH(QString, shown);
    QFETCH(bool, paletteShown);

    TRMots search;
    open(&search);
    child<QWidget>(&search, QStringLiteral("SpinEdit1"))->setFocus();
    for (int p = 1; p <= position; ++p)
        QTest::keyClick(search.focusWidget(), Qt::Key_Tab);
    auto *cell = child<QLabel>(&search, QStringLiteral("Label%1").arg(position + 1));
    // A cell beyond the length is closed: Tab passes it by and it takes no key.
    QCOMPARE(search.focusWidget() == cell, cell->isEnabled());
    for (int key : keys) {
        if (key < 0x80)
            QTest::keyClick(cell, char(key));
        else
            QTest::keyClick(cell, Qt::Key(key));
    }
    QCOMPARE(cell->text(), shown);
    QCOMPARE(child<QWidget>(&search, QStringLiteral("Panel1"))->isVisible(), paletteShown);

    QTest::mouseClick(child<QLabel>(&search, QStringLiteral("Label2")), Qt::LeftButton);
    QCOMPARE(search.focusWidget() == cell, cell->isEnabled());
}

void TestWordTools::lengthFieldIsSetBackOnLeaving_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");

    QTest::newRow("in range") << "9" << "9";
    QTest::newRow("below, to 6") << "3" << "6";
    QTest::newRow("above, to 12") << "45" << "12";
    QTest::newRow("nothing reads as 6") << "" << "6";
    QTest::newRow("letters are not taken") << "1x0" << "10";
}

void TestWordTools::lengthFieldIsSetBackOnLeaving()
{
    QFETCH(QString, typed);
    QFETCH(QString, left);

    TRMots search;
    open(&search);
    typeLength(&search, typed);
    child(&search, QStringLiteral("Button3"))->setFocus();
    QCOMPARE(child<QAbstractSpinBox>(&search, QStringLiteral("SpinEdit1"))->text(), left);
}

void TestWordTools::searchKeepsItsStateAcrossOpenings()
{
    TRMots search;
    search.Init(listOf(Vocabulary));
    open(&search);
    typeLength(&search, QStringLiteral("7"));
    placeLetters(&search, QStringLiteral("A"));
    click(&search, QStringLiteral("Button2"));
    QTest::mouseClick(child<QLabel>(&search, QStringLiteral("Label3")), Qt::LeftButton);

    // Escape does nothing; "Fermer" closes and empties the copy.
    QTest::keyClick(child<QAbstractSpinBox>(&search, QStringLiteral("SpinEdit1")), Qt::Key_Escape);
    QVERIFY(search.isVisible());
    click(&search, QStringLiteral("Button3"));
    QVERIFY(!search.isVisible());
    QCOMPARE(search.copyCount(), 0);

    search.Init(listOf({"AUTOBUS"}));
    search.show();
    QCOMPARE(child<QAbstractSpinBox>(&search, QStringLiteral("SpinEdit1"))->text(), QStringLiteral("7"));
    QCOMPARE(child<QLabel>(&search, QStringLiteral("Label2"))->text(), QStringLiteral("A"));
    QCOMPARE(shownWords(&search), QStringList{"ABRICOT"});
    QCOMPARE(child<QLineEdit>(&search, QStringLiteral("Edit1"))->text(), QStringLiteral("1 mot"));
    QVERIFY(!child<QWidget>(&search, QStringLiteral("Panel1"))->isVisible());
    click(&search, QStringLiteral("Button2"));
    QCOMPARE(shownWords(&search), QStringList{"AUTOBUS"});
}

QTEST_MAIN(TestWordTools)
#include "tst_wordtools.moc"
