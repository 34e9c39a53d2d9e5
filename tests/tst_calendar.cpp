// Tests of the calendar window: its grid's cells, the keys and buttons that move its month, and its header.
#include "Calend.h"
#include "ErrorReport.h"
#include "Fonts.h"
#include "MonthGrid.h"
#include "MonthMove.h"
#include "TestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestCalendar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void clickOnACell_data();
    void clickOnACell();
    void keysFromEveryControl_data();
    void keysFromEveryControl();
    void dateAndFocusAreKeptAcrossOpenings();

private:
    ReportSink m_reports{ErrorReport::setSinkForTests};
};

namespace {

MonthGrid *gridOf(const TCalendrier &calendar)
{
    return calendar.findChild<MonthGrid *>(QStringLiteral("Calendar1"));
}

QString headerOf(const TCalendrier &calendar)
{
    return calendar.findChild<QLabel *>(QStringLiteral("Label1"))->text();
}

void open(TCalendrier &calendar)
{
    calendar.show();
    QVERIFY(activate(&calendar));
}

} // namespace

void TestCalendar::initTestCase()
{
    Fonts::installSubstitutions();
}

void TestCalendar::clickOnACell_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QDate>("date");

    // The grid shows September 2027 with the 14th selected.
    QTest::newRow("another day") << 4 << 4 << QDate(2027, 9, 30);
    QTest::newRow("the selected day raises nothing") << 2 << 2 << QDate(2027, 9, 14);
    QTest::newRow("blank cell before the first") << 0 << 0 << QDate(2027, 9, 14);
    QTest::newRow("blank cell after the last") << 5 << 3 << QDate(2027, 9, 14);
    QTest::newRow("day names row") << -1 << 4 << QDate(2027, 9, 14);
}

void TestCalendar::clickOnACell()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QDate, date);

    TCalendrier calendar(nullptr, QDate(2027, 9, 14));
    open(calendar);
    MonthGrid *grid = gridOf(calendar);
    QSignalSpy changes(grid, &MonthGrid::changed);
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(row, column).center());

    QCOMPARE(calendar.date(), date);
    QCOMPARE(changes.size(), date == QDate(2027, 9, 14) ? 0 : 1);
    QCOMPARE(headerOf(calendar), QStringLiteral("septembre  2027"));
}

void TestCalendar::keysFromEveryControl_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<QDate>("date");

    const QDate start(2027, 9, 1);
    for (const char *control : {"Calendar1", "BitBtn1", "BitBtn2", "Button1"}) {
        QTest::addRow("Escape from %s", control) << QString::fromLatin1(control) << int(Qt::Key_Escape) << true << start;
        QTest::addRow("Page Down from %s", control) << QString::fromLatin1(control) << int(Qt::Key_PageDown) << false << QDate(2027, 10, 1);
        QTest::addRow("Page Up from %s", control) << QString::fromLatin1(control) << int(Qt::Key_PageUp) << false << QDate(2027, 8, 1);
    }
    QTest::newRow("Enter in the grid") << "Calendar1" << int(Qt::Key_Return) << false << start;
    QTest::newRow("Enter on Mois, previous") << "BitBtn1" << int(Qt::Key_Return) << false << QDate(2027, 8, 1);
    QTest::newRow("right arrow in the grid") << "Calendar1" << int(Qt::Key_Right) << false << QDate(2027, 9, 2);
    QTest::newRow("left arrow stops at the first") << "Calendar1" << int(Qt::Key_Left) << false << start;
    QTest::newRow("Space on Fermer") << "Button1" << int(Qt::Key_Space) << true << start;
}

void TestCalendar::keysFromEveryControl()
{
    QFETCH(QString, control);
    QFETCH(int, key);
    QFETCH(bool, closes);
    QFETCH(QDate, date);

    TCalendrier calendar(nullptr, QDate(2027, 9, 1));
    open(calendar);
    QSignalSpy changes(gridOf(calendar), &MonthGrid::changed);
    auto *target = calendar.findChild<QWidget *>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(calendar.isVisible(), !closes);
    QCOMPARE(calendar.date(), date);
    QCOMPARE(headerOf(calendar), monthHeader(date));
    QCOMPARE(calendar.findChild<QLabel *>(QStringLiteral("Label1"))->geometry(), QRect(-16, 55, 372, 27));
    QCOMPARE(changes.size(), date == QDate(2027, 9, 1) ? 0 : 1);
}

// Closed three months ahead, the window opens again on that month with the focus where it was.
void TestCalendar::dateAndFocusAreKeptAcrossOpenings()
{
    TCalendrier calendar(nullptr, QDate(2027, 11, 30));
    open(calendar);
    QCOMPARE(calendar.focusWidget()->objectName(), QStringLiteral("Calendar1"));
    auto *next = calendar.findChild<QPushButton *>(QStringLiteral("BitBtn2"));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(next, Qt::LeftButton);
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Escape);
    QVERIFY(!calendar.isVisible());

    open(calendar);
    QCOMPARE(calendar.date(), QDate(2028, 2, 29));
    QCOMPARE(headerOf(calendar), QStringLiteral("février  2028"));
    QCOMPARE(calendar.focusWidget(), next);
}

QTEST_MAIN(TestCalendar)
#include "tst_calendar.moc"
