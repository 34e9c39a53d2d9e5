// Month arithmetic and the French names of the calendar.
#include "MonthMove.h"

#include <QLocale>

namespace {

QLocale french()
{
    return QLocale(QLocale::French, QLocale::France);
}

} // namespace

QDate moveMonth(const QDate &date, int months)
{
    // addMonths keeps the day, or the month's last day when the new month is shorter.
    return date.addMonths(months);
}

QString monthHeader(const QDate &date)
{
    // The month as the locale names it: French writes it in lower case.
    return french().standaloneMonthName(date.month(), QLocale::LongFormat) + QStringLiteral("  ")
        + QString::number(date.year()).rightJustified(4, u'0');
}

QString MonthPage::dayHeader(int column)
{
    // Qt counts Monday 1 to Sunday 7; our column 0 is Sunday.
    return french().dayName(column == 0 ? 7 : column, QLocale::ShortFormat);
}

int MonthPage::firstColumn(const QDate &month)
{
    return QDate(month.year(), month.month(), 1).dayOfWeek() % Columns;
}

int MonthPage::dayAt(const QDate &month, int row, int column)
{
    const int day = row * Columns + column - firstColumn(month) + 1;
    return day >= 1 && day <= month.daysInMonth() ? day : 0;
}
