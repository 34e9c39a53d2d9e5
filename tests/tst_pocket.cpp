// Tests of the calculator window: keys clicked and typed, focus, Enter, Space and Escape.
#include "ErrorReport.h"
#include "Fonts.h"
#include "Pocket1.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace {

const QString NotANumber = QStringLiteral("'%1' n'est pas une valeur flottante correcte.");

// Keys written as typed: digits, ",", "=", the operators, "x" for "1/x", "s" for "sqr", "C".
QString keyName(QChar key)
{
    if (key.isDigit())
        return QStringLiteral("Button") + key;
    return QStringLiteral("Button%1").arg(10 + QStringLiteral(",=+-*/xsC").indexOf(key));
}

} // namespace

class TestPocket : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void keysGiveTheirDisplay_data();
    void keysGiveTheirDisplay();
    void keysOnTheFocusedKey_data();
    void keysOnTheFocusedKey();
    void openingClearsAndFocusesEquals_data();
    void openingClearsAndFocusesEquals();
    void errorBoxReturningTheActivationKeepsTheDisplay();
    void tabVisitsTheKeysInOrder();

private:
    static QString shown(const TPocket &p) { return p.findChild<QLabel *>(QStringLiteral("Label1"))->text(); }
    static QPushButton *key(const TPocket &p, const QString &name) { return p.findChild<QPushButton *>(name); }
    static QString focusName(const TPocket &p) { return p.focusWidget() ? p.focusWidget()->objectName() : QString(); }
    void open(TPocket &pocket);
    // Each character goes to the key that has the focus at that moment.
    static void type(TPocket &pocket, const QString &characters)
    {
        for (const QChar c : characters)
            QTest::keyClick(pocket.focusWidget(), c.toLatin1());
    }

    QStringList m_errors;
    ReportSink m_errorSink{ErrorReport::setSinkForTests, m_errors};
    QWidget m_otherWindow;
};

void TestPocket::initTestCase()
{
    Fonts::installSubstitutions();
    m_otherWindow.show();
}

void TestPocket::init()
{
    m_errors.clear();
    QVERIFY(activate(&m_otherWindow));
}

// Opening as the main window does: shown, then activated.
void TestPocket::open(TPocket &pocket)
{
    pocket.show();
    pocket.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&pocket));
}

void TestPocket::keysGiveTheirDisplay_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("error");

    const QList<QStringList> both{
        {"15+30=", "15+30=", "45", ""},
        {"1/x on the empty display", "x", "", NotANumber.arg("")},
        {"sqr of a negative keeps -4", "5-9=s", "-4", "Opération flottante incorrecte."},
        {"1/0 keeps 0", "1/0=", "0", "Division flottante par zéro."},
        {"C empties", "12+3C", "", ""},
        {"a key after an error goes on", "x7", "7", NotANumber.arg("")},
    };
    for (const QStringList &row : both) {
        QTest::addRow("%s, clicked", qPrintable(row[0])) << row[1] << false << row[2] << row[3];
        QTest::addRow("%s, typed", qPrintable(row[0])) << row[1] << true << row[2] << row[3];
    }
    QTest::newRow(". types ,") << "3.5*2=" << true << "7" << "";
    QTest::newRow("X types 1/x") << "4X" << true << "0,25" << "";
    QTest::newRow("S types sqr") << "9S" << true << "3" << "";
    QTest::newRow("c types C") << "12c" << true << "" << "";
    QTest::newRow("other characters do nothing") << "7a%E(8" << true << "78" << "";
}

void TestPocket::keysGiveTheirDisplay()
{
    QFETCH(QString, keys);
    QFETCH(bool, typed);
    QFETCH(QString, display);
    QFETCH(QString, error);

    TPocket pocket;
    open(pocket);
    if (typed)
        type(pocket, keys);
    else
        for (const QChar c : keys)
            QTest::mouseClick(key(pocket, keyName(c)), Qt::LeftButton);
    QCOMPARE(shown(pocket), display);
    QCOMPARE(m_errors, error.isEmpty() ? QStringList() : QStringList{error});
    QVERIFY(pocket.isVisible());
    // A click moves the focus to its key; "C" moves it on to "=".
    if (!typed)
        QCOMPARE(focusName(pocket), keyName(keys.endsWith(u'C') ? u'=' : keys.back()));
}

void TestPocket::keysOnTheFocusedKey_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("press");
    QTest::addColumn<QString>("display");
    QTest::addColumn<QString>("focusAfter");

    QTest::newRow("typed on 1/x") << "Button16" << "15+30=" << 0 << "45" << "Button16";
    QTest::newRow("typed on sqr") << "Button17" << "15+30=" << 0 << "45" << "Button17";
    QTest::newRow("typed on Fermer") << "Button19" << "4x" << 0 << "0,25" << "Button19";
    QTest::newRow("c on sqr moves the focus to =") << "Button17" << "12c" << 0 << "" << "Button11";
    QTest::newRow("Enter on 8") << "Button8" << "7" << int(Qt::Key_Return) << "78" << "Button8";
    QTest::newRow("keypad Enter on =") << "Button11" << "12+3" << int(Qt::Key_Enter) << "15" << "Button11";
    QTest::newRow("Space on =") << "Button11" << "12+3" << int(Qt::Key_Space) << "15" << "Button11";
    QTest::newRow("Enter on C puts the focus on =") << "Button18" << "12" << int(Qt::Key_Return) << "" << "Button11";
    for (const char *name : {"Button11", "Button7", "Button16", "Button17", "Button18", "Button19"})
        QTest::addRow("Escape on %s closes", name) << name << "12+" << int(Qt::Key_Escape) << "12" << "";
    QTest::newRow("Enter on Fermer closes") << "Button19" << "12+" << int(Qt::Key_Return) << "12" << "";
}

void TestPocket::keysOnTheFocusedKey()
{
    QFETCH(QString, focus);
    QFETCH(QString, typed);
    QFETCH(int, press);
    QFETCH(QString, display);
    QFETCH(QString, focusAfter);

    TPocket pocket;
    open(pocket);
    key(pocket, focus)->setFocus();
    type(pocket, typed);
    if (press)
        QTest::keyClick(pocket.focusWidget(), Qt::Key(press));
    QCOMPARE(shown(pocket), display);
    QVERIFY(m_errors.isEmpty());
    const bool closes = focusAfter.isEmpty();
    QCOMPARE(pocket.isVisible(), !closes);
    if (closes)
        QCOMPARE(pocket.result(), int(QDialog::Rejected));
    else
        QCOMPARE(focusName(pocket), focusAfter);
}

void TestPocket::openingClearsAndFocusesEquals_data()
{
    QTest::addColumn<QString>("beforeClosing");
    QTest::addColumn<QString>("afterOpening");
    QTest::addColumn<QString>("display");

    QTest::newRow("the display is emptied") << "12+3=" << "" << "";
    QTest::newRow("the operator is forgotten") << "12+3=" << "4=" << "4";
    QTest::newRow("NewNumber carries over") << "12+3=" << ",5" << "5";
    QTest::newRow("closed while typing") << "12" << ",5" << ",5";
}

void TestPocket::openingClearsAndFocusesEquals()
{
    QFETCH(QString, beforeClosing);
    QFETCH(QString, afterOpening);
    QFETCH(QString, display);

    TPocket pocket;
    open(pocket);
    type(pocket, beforeClosing);
    key(pocket, "Button16")->setFocus();
    QTest::keyClick(pocket.focusWidget(), Qt::Key_Escape);
    QVERIFY(activate(&m_otherWindow));

    open(pocket);
    QCOMPARE(focusName(pocket), "Button11");
    type(pocket, afterOpening);
    QCOMPARE(shown(pocket), display);
}

// The window gets the activation back when the error box closes; that is not a new opening.
void TestPocket::errorBoxReturningTheActivationKeepsTheDisplay()
{
    TPocket pocket;
    open(pocket);
    type(pocket, "5+1,,2=");
    QVERIFY(activate(&m_otherWindow));
    pocket.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&pocket));
    type(pocket, "=");
    QCOMPARE(m_errors, QStringList(2, NotANumber.arg("1,,2")));
    QCOMPARE(shown(pocket), "1,,2");
}

void TestPocket::tabVisitsTheKeysInOrder()
{
    TPocket pocket;
    open(pocket);
    QStringList order{"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7", "Button8", "Button9",
                      "Button0", "Button10", "Button11", "Button12", "Button13", "Button14", "Button15", "Button16",
                      "Button17", "Button18", "Button19", "Button1"};
    key(pocket, order.first())->setFocus();
    for (const QString &next : order.sliced(1)) {
        QTest::keyClick(pocket.focusWidget(), Qt::Key_Tab);
        QCOMPARE(focusName(pocket), next);
    }
}

QTEST_MAIN(TestPocket)
#include "tst_pocket.moc"
