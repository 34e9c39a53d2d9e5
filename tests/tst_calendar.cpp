// Tests of the calendar: month moves, the header, the grid's cells and the keys of the window.
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

    void monthMoves_data();
    void monthMoves();
    void weekStartsOnSunday_data();
    void weekStartsOnSunday();

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
    QApplication::setActiveWindow(&calendar);
}

} // namespace

void TestCalendar::initTestCase()
{
    Fonts::installSubstitutions();
}

// Moves through the window: its two buttons and the Page keys of the grid.
void TestCalendar::monthMoves_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("move");
    QTest::addColumn<QDate>("moved");
    QTest::addColumn<QString>("header");

    QTest::newRow("31 January to 28 February") << QDate(2027, 1, 31) << "BitBtn2" << QDate(2027, 2, 28) << "février  2027";
    QTest::newRow("31 January to 29 February, leap year") << QDate(2028, 1, 31) << "BitBtn2" << QDate(2028, 2, 29) << "février  2028";
    QTest::newRow("31 January 2000 to 29 February") << QDate(2000, 1, 31) << "PageDown" << QDate(2000, 2, 29) << "février  2000";
    QTest::newRow("31 March back to 28 February") << QDate(2027, 3, 31) << "BitBtn1" << QDate(2027, 2, 28) << "février  2027";
    QTest::newRow("31 May to 30 June") << QDate(2027, 5, 31) << "PageDown" << QDate(2027, 6, 30) << "juin  2027";
    QTest::newRow("août, accented") << QDate(2027, 7, 31) << "BitBtn2" << QDate(2027, 8, 31) << "août  2027";
    QTest::newRow("December to January of the next year") << QDate(2027, 12, 15) << "BitBtn2" << QDate(2028, 1, 15) << "janvier  2028";
    QTest::newRow("January back to December of the year before") << QDate(2028, 1, 15) << "PageUp" << QDate(2027, 12, 15) << "décembre  2027";
}

void TestCalendar::monthMoves()
{
    QFETCH(QDate, start);
    QFETCH(QString, move);
    QFETCH(QDate, moved);
    QFETCH(QString, header);

    TCalendrier calendar(nullptr, start);
    open(calendar);
    QSignalSpy changes(gridOf(calendar), &MonthGrid::changed);
    if (move.startsWith(QLatin1String("BitBtn")))
        QTest::mouseClick(calendar.findChild<QPushButton *>(move), Qt::LeftButton);
    else
        QTest::keyClick(gridOf(calendar), move == QLatin1String("PageUp") ? Qt::Key_PageUp : Qt::Key_PageDown);

    QCOMPARE(calendar.date(), moved);
    QCOMPARE(headerOf(calendar), header);
    QCOMPARE(calendar.findChild<QLabel *>(QStringLiteral("Label1"))->geometry(), QRect(-16, 55, 372, 27));
    QCOMPARE(changes.size(), 1);
}

void TestCalendar::weekStartsOnSunday_data()
{
    QTest::addColumn<QDate>("month");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("day");

    // February 2026 begins on a Sunday, September 2027 on a Wednesday.
    QTest::newRow("first day in the Sunday column") << QDate(2026, 2, 10) << 0 << 0 << 1;
    QTest::newRow("28 February ends the fourth row") << QDate(2026, 2, 10) << 3 << 6 << 28;
    QTest::newRow("fifth row of a four-row month is blank") << QDate(2026, 2, 10) << 4 << 0 << 0;
    QTest::newRow("Tuesday before the first is blank") << QDate(2027, 9, 14) << 0 << 2 << 0;
    QTest::newRow("first on Wednesday") << QDate(2027, 9, 14) << 0 << 3 << 1;
    QTest::newRow("30 September on Thursday") << QDate(2027, 9, 14) << 4 << 4 << 30;
    QTest::newRow("Friday after the last is blank") << QDate(2027, 9, 14) << 4 << 5 << 0;
    QTest::newRow("sixth row used") << QDate(2027, 10, 1) << 5 << 0 << 31;
}

void TestCalendar::weekStartsOnSunday()
{
    QFETCH(QDate, month);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, day);

    QCOMPARE(MonthPage::dayHeader(0), QStringLiteral("dim."));
    QCOMPARE(MonthPage::dayHeader(6), QStringLiteral("sam."));
    QCOMPARE(MonthPage::dayAt(month, row, column), day);
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
    auto *target = calendar.findChild<QWidget *>(control);
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));

    QCOMPARE(calendar.isVisible(), !closes);
    QCOMPARE(calendar.date(), date);
    QCOMPARE(headerOf(calendar), monthHeader(date));
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
