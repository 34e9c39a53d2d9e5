// The calendar's month: moving it, its header, and where its days sit in a grid whose weeks start on Sunday.
#pragma once

#include <QDate>
#include <QString>

// One month back (-1) or forward (+1), the day cut to the new month's length.
QDate moveMonth(const QDate &date, int months);

// The French month name in lower case, two spaces and the four-digit year: "février  2028".
QString monthHeader(const QDate &date);

namespace MonthPage {

constexpr int Columns = 7;
constexpr int Rows = 6;

// "dim.", "lun." … "sam." for columns 0 to 6.
QString dayHeader(int column);
// The column of the month's first day, 0 for Sunday.
int firstColumn(const QDate &month);
// The day number in that cell of the month's grid, or 0 for a blank cell.
int dayAt(const QDate &month, int row, int column);

} // namespace MonthPage
