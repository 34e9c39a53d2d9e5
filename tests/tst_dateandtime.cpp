// The clock's and the calendar's logic without their windows: stepping a field, moving a month, the grid's days.
#include "ClockStepping.h"
#include "MonthMove.h"
#include "OrvError.h"
#include "TestSupport.h"

#include <QTest>

Q_DECLARE_METATYPE(ClockField)

class TestDateAndTime : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fieldSteps_data();
    void fieldSteps();

    void monthMoves_data();
    void monthMoves();
    void weekStartsOnSunday_data();
    void weekStartsOnSunday();
};

void TestDateAndTime::fieldSteps_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<ClockField>("field");
    QTest::addColumn<int>("delta");
    // The stepped text, or the error's text.
    QTest::addColumn<QString>("stepped");

    QTest::newRow("hour 23 up stays 23") << "23:10:05" << ClockField::Hour << 1 << "23:10:05";
    QTest::newRow("hour 00 down stays 00") << "00:10:05" << ClockField::Hour << -1 << "00:10:05";
    QTest::newRow("hour 10 down gives 09") << "10:10:05" << ClockField::Hour << -1 << "09:10:05";
    QTest::newRow("hour read after a leading space") << " 9:10:05" << ClockField::Hour << 1 << "10:10:05";
    QTest::newRow("minute 59 up stays 59, no carry") << "18:59:05" << ClockField::Minute << 1 << "18:59:05";
    QTest::newRow("minute up leaves the seconds") << "18:23:59" << ClockField::Minute << 1 << "18:24:59";
    QTest::newRow("day 31 up stays 31 in February") << "31/02/98" << ClockField::Day << 1 << "31/02/98";
    QTest::newRow("day 28 up gives 29/02 of any year") << "28/02/2027" << ClockField::Day << 1 << "29/02/2027";
    QTest::newRow("day 01 down stays 01") << "01/10/2027" << ClockField::Day << -1 << "01/10/2027";
    QTest::newRow("month 12 up stays 12") << "20/12/2027" << ClockField::Month << 1 << "20/12/2027";
    QTest::newRow("month 01 down stays 01") << "20/01/2027" << ClockField::Month << -1 << "20/01/2027";
    QTest::newRow("two-digit year up") << "20/10/98" << ClockField::Year << 1 << "20/10/1999";
    QTest::newRow("two-digit year down") << "20/10/98" << ClockField::Year << -1 << "20/10/1997";
    QTest::newRow("year 00 reads as 1900") << "20/10/00" << ClockField::Year << 1 << "20/10/1901";
    QTest::newRow("year 00 down stays 1900") << "20/10/00" << ClockField::Year << -1 << "20/10/1900";
    QTest::newRow("year 0099 reads as 1999") << "20/10/0099" << ClockField::Year << 1 << "20/10/2000";
    QTest::newRow("year 2099 up stays 2099") << "20/10/2099" << ClockField::Year << 1 << "20/10/2099";
    QTest::newRow("year 1900 down stays 1900") << "20/10/1900" << ClockField::Year << -1 << "20/10/1900";
    QTest::newRow("hour without its leading zero")
        << "9:05:00" << ClockField::Hour << 1 << "'9:' n'est pas une valeur entière correcte";
    QTest::newRow("minute with a trailing space")
        << "18:5 :00" << ClockField::Minute << 1 << "'5 ' n'est pas une valeur entière correcte";
    QTest::newRow("no year at all") << "20/10/" << ClockField::Year << 1 << "'' n'est pas une valeur entière correcte";
}

void TestDateAndTime::fieldSteps()
{
    QFETCH(QString, text);
    QFETCH(ClockField, field);
    QFETCH(int, delta);
    QFETCH(QString, stepped);

    QString result;
    try {
        result = stepClockField(text, field, delta);
    } catch (const OrvError &e) {
        result = e.text();
    }
    QCOMPARE(result, stepped);
}

void TestDateAndTime::monthMoves_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<int>("months");
    QTest::addColumn<QDate>("moved");
    QTest::addColumn<QString>("header");

    QTest::newRow("31 January to 28 February") << QDate(2027, 1, 31) << 1 << QDate(2027, 2, 28) << "février  2027";
    QTest::newRow("31 January to 29 February, leap year") << QDate(2028, 1, 31) << 1 << QDate(2028, 2, 29) << "février  2028";
    QTest::newRow("31 January 2000 to 29 February") << QDate(2000, 1, 31) << 1 << QDate(2000, 2, 29) << "février  2000";
    QTest::newRow("31 March back to 28 February") << QDate(2027, 3, 31) << -1 << QDate(2027, 2, 28) << "février  2027";
    QTest::newRow("31 May to 30 June") << QDate(2027, 5, 31) << 1 << QDate(2027, 6, 30) << "juin  2027";
    QTest::newRow("août, accented") << QDate(2027, 7, 31) << 1 << QDate(2027, 8, 31) << "août  2027";
    QTest::newRow("December to January of the next year") << QDate(2027, 12, 15) << 1 << QDate(2028, 1, 15) << "janvier  2028";
    QTest::newRow("January back to December of the year before") << QDate(2028, 1, 15) << -1 << QDate(2027, 12, 15) << "décembre  2027";
}

void TestDateAndTime::monthMoves()
{
    QFETCH(QDate, start);
    QFETCH(int, months);
    QFETCH(QDate, moved);
    QFETCH(QString, header);

    QCOMPARE(moveMonth(start, months), moved);
    QCOMPARE(monthHeader(moved), header);
}

void TestDateAndTime::weekStartsOnSunday_data()
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

void TestDateAndTime::weekStartsOnSunday()
{
    QFETCH(QDate, month);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, day);

    QCOMPARE(MonthPage::dayHeader(0), QStringLiteral("dim."));
    QCOMPARE(MonthPage::dayHeader(6), QStringLiteral("sam."));
    QCOMPARE(MonthPage::dayAt(month, row, column), day);
}

QTEST_GUILESS_MAIN(TestDateAndTime)
#include "tst_dateandtime.moc"
