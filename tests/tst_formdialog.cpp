// Tests of the base of the tool windows: openings, Escape, Enter and the close box, and the default look.
#include "About.h"
#include "Calend.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "FormDialog.h"
#include "Horloge1.h"
#include "Pocket1.h"
#include "TestSupport.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit4.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit7.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

// A field, "OK" and "Annuler", counting what the base runs.
class CountingForm : public FormDialog
{
public:
    CountingForm()
    {
        auto *field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Edit1"));
        auto *ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setObjectName(QStringLiteral("OK"));
        auto *cancel = new QPushButton(QStringLiteral("Annuler"), this);
        cancel->setObjectName(QStringLiteral("Annuler"));
        connect(ok, &QPushButton::clicked, this, [this] { pressed << QStringLiteral("OK"); });
        connect(cancel, &QPushButton::clicked, this, [this] {
            pressed << QStringLiteral("Annuler");
            done(Rejected);
        });
        setCancelButton(cancel);
        field->setFocus();
    }

    void FormActivate() override { ++activations; }
    void FormClose() override { ++closings; }

    QStringList pressed;
    int activations = 0;
    int closings = 0;
    int returns = 0;

protected:
    void activatedAgain() override { ++returns; }
};

using WindowMaker = std::function<std::unique_ptr<QDialog>()>;

template <typename Window>
WindowMaker maker()
{
    return [] { return std::make_unique<Window>(); };
}

QList<QPushButton *> defaultButtons(const QDialog &window)
{
    QList<QPushButton *> shown;
    for (QPushButton *button : window.findChildren<QPushButton *>())
        if (button->isDefault())
            shown << button;
    return shown;
}

} // namespace

Q_DECLARE_METATYPE(WindowMaker)

class TestFormDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void keysAndCloseBoxPressTheRightButton_data();
    void keysAndCloseBoxPressTheRightButton();
    void formActivateRunsOncePerOpening_data();
    void formActivateRunsOncePerOpening();
    void onlyTheFocusedButtonShowsAsDefault_data();
    void onlyTheFocusedButtonShowsAsDefault();

private:
    void open(QDialog &window);

    QWidget m_otherWindow;
};

void TestFormDialog::initTestCase()
{
    Fonts::installSubstitutions();
    ErrorReport::setSinkForTests([](const QString &text) { QFAIL(qPrintable(QStringLiteral("reported: ") + text)); });
    m_otherWindow.show();
}

void TestFormDialog::cleanupTestCase()
{
    ErrorReport::setSinkForTests({});
}

// Opening as the main window's exec() does: shown, then activated.
void TestFormDialog::open(QDialog &window)
{
    window.show();
    QVERIFY(activate(&window));
}

void TestFormDialog::keysAndCloseBoxPressTheRightButton_data()
{
    QTest::addColumn<QString>("control");
    // A key, or 0 for the close box.
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("pressed");

    QTest::newRow("Escape in the field presses Annuler") << "Edit1" << int(Qt::Key_Escape) << QStringList{"Annuler"};
    QTest::newRow("Escape on OK presses Annuler") << "OK" << int(Qt::Key_Escape) << QStringList{"Annuler"};
    QTest::newRow("Enter in the field presses nothing") << "Edit1" << int(Qt::Key_Return) << QStringList{};
    QTest::newRow("keypad Enter in the field presses nothing") << "Edit1" << int(Qt::Key_Enter) << QStringList{};
    QTest::newRow("Enter on OK presses OK") << "OK" << int(Qt::Key_Return) << QStringList{"OK"};
    QTest::newRow("Enter on Annuler presses Annuler") << "Annuler" << int(Qt::Key_Return) << QStringList{"Annuler"};
    QTest::newRow("close box presses Annuler") << "OK" << 0 << QStringList{"Annuler"};
}

void TestFormDialog::keysAndCloseBoxPressTheRightButton()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(QStringList, pressed);

    CountingForm form;
    open(form);
    QWidget *target = form.findChild<QWidget *>(control);
    target->setFocus();
    if (key == 0)
        form.close();
    else
        QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(form.pressed, pressed);
    const bool closed = pressed.contains(QStringLiteral("Annuler"));
    QCOMPARE(form.isVisible(), !closed);
    QCOMPARE(form.closings, closed ? 1 : 0);
}

// A message box or another program taking the activation and handing it back is no new opening.
void TestFormDialog::formActivateRunsOncePerOpening_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("activations");
    QTest::addColumn<int>("returns");

    QTest::newRow("one opening") << QStringList{"open"} << 1 << 0;
    QTest::newRow("leaving and coming back") << QStringList{"open", "leave", "back"} << 1 << 1;
    QTest::newRow("two openings") << QStringList{"open", "close", "open"} << 2 << 0;
    QTest::newRow("back, closed, opened again")
        << QStringList{"open", "leave", "back", "close", "open", "leave", "back"} << 2 << 2;
}

void TestFormDialog::formActivateRunsOncePerOpening()
{
    QFETCH(QStringList, steps);
    QFETCH(int, activations);
    QFETCH(int, returns);

    CountingForm form;
    for (const QString &step : steps) {
        if (step == QLatin1String("open"))
            open(form);
        else if (step == QLatin1String("leave"))
            QVERIFY(activate(&m_otherWindow));
        else if (step == QLatin1String("back"))
            QVERIFY(activate(&form));
        else
            form.close();
    }
    QCOMPARE(form.activations, activations);
    QCOMPARE(form.returns, returns);
}

void TestFormDialog::onlyTheFocusedButtonShowsAsDefault_data()
{
    QTest::addColumn<WindowMaker>("make");
    // A control that is no button, or none when the window has none that takes the focus.
    QTest::addColumn<QString>("field");

    QTest::newRow("TAjout") << maker<TAjout>() << "Edit1";
    QTest::newRow("TStats") << maker<TStats>() << "";
    QTest::newRow("TDico") << maker<TDico>() << "";
    QTest::newRow("TRMots") << maker<TRMots>() << "SpinEdit1";
    QTest::newRow("TFJoueur") << maker<TFJoueur>() << "Edit1";
    QTest::newRow("TMeilleurs") << maker<TMeilleurs>() << "";
    QTest::newRow("TCalendrier") << maker<TCalendrier>() << "Calendar1";
    QTest::newRow("THorloge") << maker<THorloge>() << "RadioGroup1Hr";
    QTest::newRow("TPocket") << maker<TPocket>() << "";
    QTest::newRow("TAboutBox") << maker<TAboutBox>() << "";
}

// Enter presses the focused button and nothing else, so only that one shows as default.
void TestFormDialog::onlyTheFocusedButtonShowsAsDefault()
{
    QFETCH(WindowMaker, make);
    QFETCH(QString, field);

    const std::unique_ptr<QDialog> window = make();
    open(*window);
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        button->setFocus();
        QCOMPARE(defaultButtons(*window), QList<QPushButton *>{button});
    }
    if (!field.isEmpty()) {
        window->findChild<QWidget *>(field)->setFocus();
        QCOMPARE(defaultButtons(*window), QList<QPushButton *>{});
    }
}

QTEST_MAIN(TestFormDialog)
#include "tst_formdialog.moc"
