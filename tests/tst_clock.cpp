// Tests of the clock window: its running and setting modes, and the arrows and keys that step its fields.
#include "ErrorReport.h"
#include "Fonts.h"
#include "Horloge1.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TestClock : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void modesFollowActivationAndSet_data();
    void modesFollowActivationAndSet();
    void arrowsStepTheChosenField_data();
    void arrowsStepTheChosenField();
    void arrowKeysStepTheChosenField_data();
    void arrowKeysStepTheChosenField();
    void runningStepLastsUntilTheNextTick();
    void keysOnEachControl_data();
    void keysOnEachControl();

private:
    QLabel *label(const THorloge &clock, const char *name) { return clock.findChild<QLabel *>(QLatin1String(name)); }
    void open(THorloge &clock);
    void click(THorloge &clock, const QString &name);

    QDateTime m_now;
    QWidget m_otherWindow;
    ReportSink m_reports{ErrorReport::setSinkForTests};
};

void TestClock::initTestCase()
{
    Fonts::installSubstitutions();
    m_otherWindow.show();
}

void TestClock::init()
{
    m_now = QDateTime(QDate(2027, 1, 9), QTime(18, 23, 5));
}

// Opening through activation, as the main window's exec() does.
void TestClock::open(THorloge &clock)
{
    clock.show();
    QVERIFY(activate(&clock));
}

void TestClock::click(THorloge &clock, const QString &name)
{
    QTest::mouseClick(clock.findChild<QAbstractButton *>(name), Qt::LeftButton);
}

// Each step first lets one second pass, so a refreshed text shows it.
void TestClock::modesFollowActivationAndSet_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<bool>("ticking");
    QTest::addColumn<bool>("setMode");
    QTest::addColumn<QString>("time");

    QTest::newRow("opening starts the clock") << QStringList{"open"} << true << false << "18:23:06";
    QTest::newRow("Set freezes the seconds") << QStringList{"open", "Set"} << false << true << "18:23:06";
    QTest::newRow("Set again shows the time at once") << QStringList{"open", "Set", "Set"} << true << false << "18:23:08";
    QTest::newRow("leaving keeps setting mode") << QStringList{"open", "Set", "leave"} << false << true << "18:23:06";
    QTest::newRow("coming back clears setting mode") << QStringList{"open", "Set", "leave", "open"} << true << false << "18:23:09";
    QTest::newRow("Fermer stops the timer") << QStringList{"open", "Fermer"} << false << false << "18:23:06";
    QTest::newRow("closed in setting mode, reopened running")
        << QStringList{"open", "Set", "Fermer", "open"} << true << false << "18:23:09";
}

void TestClock::modesFollowActivationAndSet()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, ticking);
    QFETCH(bool, setMode);
    QFETCH(QString, time);

    THorloge clock(nullptr, [this] { return m_now; });
    for (const QString &step : steps) {
        m_now = m_now.addSecs(1);
        if (step == QLatin1String("open"))
            open(clock);
        else if (step == QLatin1String("tick"))
            clock.Timer1Timer();
        else if (step == QLatin1String("leave"))
            QVERIFY(activate(&m_otherWindow));
        else
            click(clock, step == QLatin1String("Set") ? QStringLiteral("Button2") : QStringLiteral("Button1"));
    }

    QCOMPARE(clock.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive(), ticking);
    QCOMPARE(clock.SetMode(), setMode);
    QCOMPARE(label(clock, "Label1")->text(), time);
    QCOMPARE(label(clock, "Label2")->text(), QStringLiteral("09/01/2027"));
}

void TestClock::arrowsStepTheChosenField_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");

    QTest::newRow("no item chosen") << "" << "UpArrow" << "18:23:05" << "09/01/2027";
    QTest::newRow("Hr up") << "Hr" << "UpArrow" << "19:23:05" << "09/01/2027";
    QTest::newRow("Mn down") << "Mn" << "DownArrow" << "18:22:05" << "09/01/2027";
    QTest::newRow("Jo down") << "Jo" << "DownArrow" << "18:23:05" << "08/01/2027";
    QTest::newRow("Mo up") << "Mo" << "UpArrow" << "18:23:05" << "09/02/2027";
    QTest::newRow("An up") << "An" << "UpArrow" << "18:23:05" << "09/01/2028";
}

void TestClock::arrowsStepTheChosenField()
{
    QFETCH(QString, item);
    QFETCH(QString, arrow);
    QFETCH(QString, time);
    QFETCH(QString, date);

    THorloge clock(nullptr, [this] { return m_now; });
    open(clock);
    click(clock, QStringLiteral("Button2"));
    if (!item.isEmpty())
        click(clock, QStringLiteral("RadioGroup1") + item);
    click(clock, arrow);

    QCOMPARE(label(clock, "Label1")->text(), time);
    QCOMPARE(label(clock, "Label2")->text(), date);
}

void TestClock::arrowKeysStepTheChosenField_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("date");

    QTest::newRow("Up on the up arrow") << "Hr" << "UpArrow" << int(Qt::Key_Up) << "19:23:05" << "09/01/2027";
    QTest::newRow("Down on the up arrow") << "Mn" << "UpArrow" << int(Qt::Key_Down) << "18:22:05" << "09/01/2027";
    QTest::newRow("Up on the down arrow") << "Jo" << "DownArrow" << int(Qt::Key_Up) << "18:23:05" << "10/01/2027";
    QTest::newRow("Space presses the down arrow")
        << "An" << "DownArrow" << int(Qt::Key_Space) << "18:23:05" << "09/01/2026";
}

// The arrows come between the selector and "Set" in tab order.
void TestClock::arrowKeysStepTheChosenField()
{
    QFETCH(QString, item);
    QFETCH(QString, arrow);
    QFETCH(int, key);
    QFETCH(QString, time);
    QFETCH(QString, date);

    THorloge clock(nullptr, [this] { return m_now; });
    open(clock);
    QVERIFY(QTest::qWaitForWindowActive(&clock));
    click(clock, QStringLiteral("Button2"));
    click(clock, QStringLiteral("RadioGroup1") + item);
    clock.findChild<QWidget *>(QStringLiteral("Button2"))->setFocus();
    QTest::keyClick(clock.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    if (arrow == QLatin1String("UpArrow"))
        QTest::keyClick(clock.focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(clock.focusWidget()->objectName(), arrow);
    QTest::keyClick(clock.focusWidget(), Qt::Key(key));

    QCOMPARE(label(clock, "Label1")->text(), time);
    QCOMPARE(label(clock, "Label2")->text(), date);
}

// The choice stays from one opening to the next; in running mode a stepped day lasts until the tick.
void TestClock::runningStepLastsUntilTheNextTick()
{
    THorloge clock(nullptr, [this] { return m_now; });
    open(clock);
    click(clock, QStringLiteral("RadioGroup1Jo"));
    click(clock, QStringLiteral("Button1"));
    open(clock);
    click(clock, QStringLiteral("UpArrow"));
    QCOMPARE(label(clock, "Label2")->text(), QStringLiteral("10/01/2027"));

    clock.Timer1Timer();
    QCOMPARE(label(clock, "Label2")->text(), QStringLiteral("09/01/2027"));
}

void TestClock::keysOnEachControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("setMode");

    QTest::newRow("Escape on Fermer") << "Button1" << int(Qt::Key_Escape) << true << false;
    QTest::newRow("Escape on Set") << "Button2" << int(Qt::Key_Escape) << true << false;
    QTest::newRow("Escape on the selector") << "RadioGroup1Hr" << int(Qt::Key_Escape) << true << false;
    QTest::newRow("Enter on Set") << "Button2" << int(Qt::Key_Return) << false << true;
    QTest::newRow("Enter on the selector") << "RadioGroup1Hr" << int(Qt::Key_Return) << false << false;
}

void TestClock::keysOnEachControl()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(bool, closes);
    QFETCH(bool, setMode);

    THorloge clock(nullptr, [this] { return m_now; });
    open(clock);
    QCOMPARE(clock.focusWidget()->objectName(), QStringLiteral("Button1"));
    auto *target = clock.findChild<QWidget *>(control);
    target->setFocus();
    click(clock, QStringLiteral("DownArrow"));
    QCOMPARE(clock.focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(clock.isVisible(), !closes);
    QCOMPARE(clock.SetMode(), setMode);
}

QTEST_MAIN(TestClock)
#include "tst_clock.moc"
