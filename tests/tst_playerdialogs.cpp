// Tests of the player dialog and the top-ten window, driven as the main window drives them.
#include "ErrorReport.h"
#include "Fonts.h"
#include "TestSupport.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

enum class Closing { Ok, Annuler, EscapeInEdit, EscapeOnOk, CloseBox };

void closeBy(TFJoueur &dialog, Closing closing)
{
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("Button2"));
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    if (closing == Closing::Ok)
        QTest::mouseClick(ok, Qt::LeftButton);
    else if (closing == Closing::Annuler)
        QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("Button1")), Qt::LeftButton);
    else if (closing == Closing::CloseBox)
        dialog.close();
    else
        QTest::keyClick(closing == Closing::EscapeOnOk ? static_cast<QWidget *>(ok) : edit, Qt::Key_Escape);
}

QLabel *label(const TMeilleurs &window, int number)
{
    return window.findChild<QLabel *>(QStringLiteral("Label%1").arg(number));
}

} // namespace

Q_DECLARE_METATYPE(Closing)

class TestPlayerDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void closingDecidesTheName_data();
    void closingDecidesTheName();
    void keysPressOnlyTheFocusedButton_data();
    void keysPressOnlyTheFocusedButton();
    void onlyTheFocusedButtonShowsAsDefault();

    void topTenShowsRowsAsStored();
    void nameTooWideIsElidedWithItsTooltip();
    void topTenClosesOnlyByFermerOrCloseBox_data();
    void topTenClosesOnlyByFermerOrCloseBox();

private:
    ReportSink m_reports{ErrorReport::setSinkForTests};
};

void TestPlayerDialogs::initTestCase()
{
    Fonts::installSubstitutions();
}

// Joueur1Click: Init with the name, the modal showing, then Result on the same variable.
void TestPlayerDialogs::closingDecidesTheName_data()
{
    QTest::addColumn<bool>("earlierOk");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Closing>("closing");
    QTest::addColumn<QString>("name");

    QTest::newRow("OK takes the new name") << false << "Paul" << Closing::Ok << "Paul";
    QTest::newRow("OK with the box emptied") << false << "" << Closing::Ok << "";
    QTest::newRow("OK keeps spaces as typed") << false << "  Zoé  " << Closing::Ok << "  Zoé  ";
    QTest::newRow("TAB pasted becomes a space") << false << "Jean\tPaul\t" << Closing::Ok << "Jean Paul ";
    QTest::newRow("line break pasted becomes a space") << false << "Jean\r\nPaul" << Closing::Ok << "Jean  Paul";
    QTest::newRow("Annuler after an earlier OK") << true << "Paul" << Closing::Annuler << "Marie";
    QTest::newRow("Escape in the edit box") << true << "Paul" << Closing::EscapeInEdit << "Marie";
    QTest::newRow("Escape on the OK button") << true << "Paul" << Closing::EscapeOnOk << "Marie";
    QTest::newRow("close box after an earlier OK") << true << "Paul" << Closing::CloseBox << "Marie";
}

void TestPlayerDialogs::closingDecidesTheName()
{
    QFETCH(bool, earlierOk);
    QFETCH(QString, typed);
    QFETCH(Closing, closing);
    QFETCH(QString, name);

    TFJoueur dialog;
    QString player = QStringLiteral("Marie");
    dialog.show();
    closeBy(dialog, earlierOk ? Closing::Ok : Closing::Annuler);

    dialog.Init(player);
    dialog.show();
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("Edit1"));
    QCOMPARE(edit->text(), player);
    edit->setText(typed);
    closeBy(dialog, closing);
    dialog.Result(player);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.OkPressed(), closing == Closing::Ok);
    QCOMPARE(player, name);
}

// Enter in the edit box closes nothing; a button that closes the dialog keeps the focus for the next opening.
void TestPlayerDialogs::keysPressOnlyTheFocusedButton_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("okPressed");

    QTest::newRow("Enter in the edit box") << "Edit1" << int(Qt::Key_Return) << false << false;
    QTest::newRow("Enter on OK") << "Button2" << int(Qt::Key_Return) << true << true;
    QTest::newRow("Space on OK") << "Button2" << int(Qt::Key_Space) << true << true;
    QTest::newRow("Enter on Annuler") << "Button1" << int(Qt::Key_Return) << true << false;
    QTest::newRow("Escape on Annuler") << "Button1" << int(Qt::Key_Escape) << true << false;
}

void TestPlayerDialogs::keysPressOnlyTheFocusedButton()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(bool, closes);
    QFETCH(bool, okPressed);

    TFJoueur dialog;
    dialog.show();
    QVERIFY(activate(&dialog));
    QCOMPARE(dialog.focusWidget()->objectName(), QStringLiteral("Edit1"));
    auto *target = dialog.findChild<QWidget *>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(dialog.isVisible(), !closes);
    QCOMPARE(dialog.OkPressed(), okPressed);

    dialog.show();
    QVERIFY(activate(&dialog));
    QCOMPARE(dialog.focusWidget(), target);
}

// The default look tells which button Enter presses: the focused one, and none from the edit box.
void TestPlayerDialogs::onlyTheFocusedButtonShowsAsDefault()
{
    TFJoueur dialog;
    dialog.show();
    QVERIFY(activate(&dialog));
    const auto shownAsDefault = [&dialog] {
        QStringList names;
        for (const QPushButton *button : dialog.findChildren<QPushButton *>()) {
            if (button->isDefault())
                names << button->objectName();
        }
        return names;
    };
    QCOMPARE(shownAsDefault(), QStringList());
    for (const QString expected : {"Button1", "Button2", ""}) {
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Tab);
        QCOMPARE(shownAsDefault(), expected.isEmpty() ? QStringList() : QStringList{expected});
    }
    QCOMPARE(dialog.focusWidget()->objectName(), QStringLiteral("Edit1"));
}

// Top101Click fills all ten rows; Init with a rank outside 1 to 10 changes nothing.
void TestPlayerDialogs::topTenShowsRowsAsStored()
{
    const QStringList names{"Anne", "Benoît", "Chloé", "", "", "", "", "", "", ""};
    const QStringList scores{"1250", " 870", "-35", "", "", "", "", "", "", ""};
    TMeilleurs window;
    for (int r = 1; r <= 10; ++r)
        window.Init(QStringLiteral("ancien"), QStringLiteral("999"), r);
    for (int r = 1; r <= 10; ++r)
        window.Init(names.at(r - 1), scores.at(r - 1), r);
    window.Init(QStringLiteral("intrus"), QStringLiteral("0"), 0);
    window.Init(QStringLiteral("intrus"), QStringLiteral("0"), 11);
    window.show();

    for (int r = 1; r <= 10; ++r) {
        QLabel *name = label(window, 2 * r - 1);
        QLabel *score = label(window, 2 * r);
        QCOMPARE(name->text(), names.at(r - 1));
        QCOMPARE(score->text(), scores.at(r - 1));
        QCOMPARE(name->pos(), QPoint(16, 48 + 24 * (r - 1)));
        QCOMPARE(score->geometry(), QRect(232, 48 + 24 * (r - 1), 81, 16));
        QVERIFY(score->alignment() & Qt::AlignRight);
    }
}

// A long name must not run into the score column, and a later short one must lose the old tooltip.
void TestPlayerDialogs::nameTooWideIsElidedWithItsTooltip()
{
    const QString longName = QStringLiteral("Un joueur au nom vraiment beaucoup trop long pour sa colonne");
    TMeilleurs window;
    window.Init(longName, QStringLiteral("10"), 4);
    QLabel *name = label(window, 7);
    QVERIFY(name->text().endsWith(QChar(0x2026)));
    QVERIFY(longName.startsWith(name->text().chopped(1)));
    QCOMPARE(name->toolTip(), longName);
    QVERIFY(name->geometry().right() < 232);

    window.Init(QStringLiteral("Léa"), QStringLiteral("10"), 4);
    QCOMPARE(name->text(), QStringLiteral("Léa"));
    QVERIFY(name->toolTip().isEmpty());
    QVERIFY(name->width() >= name->sizeHint().width());
}

void TestPlayerDialogs::topTenClosesOnlyByFermerOrCloseBox_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("closes");

    QTest::newRow("Fermer") << "Fermer" << true;
    QTest::newRow("close box") << "close box" << true;
    QTest::newRow("Escape on Fermer") << "Escape" << false;
    QTest::newRow("Enter on Fermer") << "Enter" << true;
}

void TestPlayerDialogs::topTenClosesOnlyByFermerOrCloseBox()
{
    QFETCH(QString, action);
    QFETCH(bool, closes);

    TMeilleurs window;
    window.show();
    auto *fermer = window.findChild<QPushButton *>(QStringLiteral("Button1"));
    fermer->setFocus();
    if (action == QLatin1String("Fermer"))
        QTest::mouseClick(fermer, Qt::LeftButton);
    else if (action == QLatin1String("close box"))
        window.close();
    else
        QTest::keyClick(fermer, action == QLatin1String("Escape") ? Qt::Key_Escape : Qt::Key_Return);

    QCOMPARE(window.isVisible(), !closes);
}

QTEST_MAIN(TestPlayerDialogs)
#include "tst_playerdialogs.moc"
