// The clock's texts: the French time and date layouts and the stepping of one field with the arrows.
#pragma once

#include <QDateTime>
#include <QString>

// The selector's items, in their order on screen.
enum class ClockField { Hour, Minute, Day, Month, Year };

// "HH:mm:ss": the hour is characters 1-2, the minute 4-5, the seconds 7-8.
QString clockTimeText(const QTime &time);
// "dd/MM/yyyy": the day is characters 1-2, the month 4-5, the year from 7 on.
QString clockDateText(const QDate &date);

// Hour and minute live in the time text, the others in the date text.
bool isTimeField(ClockField field);

// Steps one field of its text by delta, held within the field's range (no wrap, no carry)
// and written back zero-filled in the field's width; a year below 100 reads as 19xx.
// Throws OrvError "'…' n'est pas une valeur entière correcte" when the field's characters are not a number.
QString stepClockField(const QString &text, ClockField field, int delta);
