// Stepping the clock's fields inside their texts.
#include "ClockStepping.h"

#include "OrvError.h"

#include <algorithm>
#include <optional>

namespace {

struct FieldPlace
{
    int start;  // 0-based
    int length; // characters read and replaced
    int width;  // digits written
    int low;
    int high;
};

FieldPlace placeOf(ClockField field)
{
    switch (field) {
    case ClockField::Hour: return {0, 2, 2, 0, 23};
    case ClockField::Minute: return {3, 2, 2, 0, 59};
    case ClockField::Day: return {0, 2, 2, 1, 31};
    case ClockField::Month: return {3, 2, 2, 1, 12};
    case ClockField::Year: return {6, 4, 4, 1900, 2099};
    }
    return {0, 0, 0, 0, 0};
}

// Leading spaces, an optional sign, then decimal digits and nothing else.
std::optional<int> wholeNumber(const QString &chars)
{
    qsizetype i = 0;
    while (i < chars.size() && chars.at(i) == u' ')
        ++i;
    bool negative = false;
    if (i < chars.size() && (chars.at(i) == u'-' || chars.at(i) == u'+'))
        negative = chars.at(i++) == u'-';
    if (i == chars.size())
        return std::nullopt;
    int value = 0;
    for (; i < chars.size(); ++i) {
        const char16_t c = chars.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0'); // at most four digits: no overflow
    }
    return negative ? -value : value;
}

} // namespace

QString clockTimeText(const QTime &time)
{
    return time.toString(QStringLiteral("HH:mm:ss"));
}

QString clockDateText(const QDate &date)
{
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

bool isTimeField(ClockField field)
{
    return field == ClockField::Hour || field == ClockField::Minute;
}

QString stepClockField(const QString &text, ClockField field, int delta)
{
    const FieldPlace place = placeOf(field);
    const QString chars = text.mid(place.start, place.length);
    const std::optional<int> read = wholeNumber(chars);
    if (!read)
        throw OrvError(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(chars));

    int value = *read;
    if (field == ClockField::Year && value < 100)
        value += 1900;
    value = std::clamp(value + delta, place.low, place.high);

    QString stepped = text;
    stepped.remove(place.start, place.length);
    stepped.insert(std::min<qsizetype>(place.start, stepped.size()),
                   QStringLiteral("%1").arg(value, place.width, 10, QLatin1Char('0')));
    return stepped;
}
