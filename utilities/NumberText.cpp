// Number texts of the calculator: the display grammar, rounding to decimal digits and layout.
#include "NumberText.h"

#include "OrvError.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

constexpr int GeneralDigits = 15;
// Decimal places d (10^(d-1) <= |v| < 10^d) written in fixed notation: 0,0001 to just under 1E15.
constexpr int FirstFixedPlace = -3;
constexpr int LastFixedPlace = 15;

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Moves past a run of digits and tells whether there was one.
bool skipDigits(const QString &text, qsizetype &i)
{
    const qsizetype start = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    return i > start;
}

bool isNumberText(const QString &text)
{
    qsizetype i = 0;
    qsizetype end = text.size();
    while (i < end && text[i] == u' ')
        ++i;
    while (end > i && text[end - 1] == u' ')
        --end;
    const QString body = text.mid(i, end - i);

    qsizetype at = 0;
    if (at < body.size() && (body[at] == u'+' || body[at] == u'-'))
        ++at;
    bool digits = skipDigits(body, at);
    if (at < body.size() && body[at] == u',') {
        ++at;
        skipDigits(body, at);
        digits = true;
    }
    if (!digits)
        return false;
    if (at < body.size() && (body[at] == u'E' || body[at] == u'e')) {
        ++at;
        if (at < body.size() && (body[at] == u'+' || body[at] == u'-'))
            ++at;
        if (!skipDigits(body, at))
            return false;
    }
    return at == body.size();
}

// The C library's correctly rounded conversion, under the "C" locale whatever the user's settings.
long double toExtended(const QString &checked)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    std::string ascii = checked.trimmed().toStdString();
    for (char &c : ascii)
        if (c == ',')
            c = '.';
    return strtold_l(ascii.c_str(), nullptr, cLocale);
}

// A magnitude as decimal digits: the value is 0,digits times 10^pointPlace.
struct Decimal
{
    std::string digits;
    int pointPlace = 0;
};

// Every significant digit of a non-zero value, so that rounding below sees the exact halves.
Decimal exactDigits(long double magnitude)
{
    int binaryExponent = 0;
    std::frexp(magnitude, &binaryExponent);
    // A 64-bit significand times 2^k never needs more digits than this.
    const int precision = 90 + std::abs(binaryExponent);
    std::string buffer(std::size_t(precision) + 16, '\0');
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, std::chars_format::scientific, precision)
            .ptr;
    const std::string text(buffer.data(), end);
    const std::size_t e = text.find('e');
    Decimal result;
    result.digits = text.substr(0, 1) + text.substr(2, e - 2);
    result.pointPlace = std::stoi(text.substr(e + 1)) + 1;
    return result;
}

// The first `count` significant digits, the others dropped.
Decimal cut(Decimal exact, int count)
{
    exact.digits.resize(std::size_t(count), '0');
    return exact;
}

// One unit more in the last digit; a carry out of the first digit adds a place (0,999 to 1,000).
Decimal unitUp(Decimal number)
{
    int i = int(number.digits.size()) - 1;
    while (i >= 0 && number.digits[std::size_t(i)] == '9')
        number.digits[std::size_t(i--)] = '0';
    if (i >= 0) {
        ++number.digits[std::size_t(i)];
    } else {
        number.digits.insert(number.digits.begin(), '1');
        number.digits.pop_back();
        ++number.pointPlace;
    }
    return number;
}

Decimal withoutTrailingZeros(Decimal number)
{
    const std::size_t last = number.digits.find_last_not_of('0');
    number.digits.resize(last == std::string::npos ? 0 : last + 1);
    return number;
}

// Whether the first digit dropped when keeping `count` is 5 or more: the nearer neighbour is above.
bool roundsUp(const Decimal &exact, int count)
{
    return int(exact.digits.size()) > count && exact.digits[std::size_t(count)] >= '5';
}

// Keeps at most `count` significant digits, rounding a dropped half up, and drops trailing zeros.
Decimal rounded(const Decimal &exact, int count)
{
    const Decimal kept = cut(exact, count);
    return withoutTrailingZeros(roundsUp(exact, count) ? unitUp(kept) : kept);
}

QString layout(bool negative, const Decimal &number)
{
    if (number.digits.empty())
        return QStringLiteral("0");
    const QString digits = QString::fromLatin1(number.digits.data(), qsizetype(number.digits.size()));
    const int place = number.pointPlace;
    QString text = negative ? QStringLiteral("-") : QString();
    if (place >= 1 && place <= LastFixedPlace) {
        text += digits.left(place).leftJustified(place, u'0');
        if (digits.size() > place)
            text += u',' + digits.mid(place);
    } else if (place <= 0 && place >= FirstFixedPlace) {
        text += QStringLiteral("0,") + QString(-place, u'0') + digits;
    } else {
        text += digits.left(1);
        if (digits.size() > 1)
            text += u',' + digits.mid(1);
        text += u'E' + QString::number(place - 1);
    }
    return text;
}

} // namespace

long double readNumber(const QString &text)
{
    if (!isNumberText(text))
        throw OrvError(QStringLiteral("'%1' n'est pas une valeur flottante correcte").arg(text));
    return toExtended(text);
}

QString generalText(long double value)
{
    if (value == 0 || std::isnan(value) || std::isinf(value))
        return QStringLiteral("0");
    return layout(value < 0, rounded(exactDigits(std::fabs(value)), GeneralDigits));
}

namespace {

// The display reading followed by the store of the next evaluation; a text beyond the 6-byte
// range stores nothing, so it names no stored value.
bool storesAs(const QString &text, const Real48 &value)
{
    try {
        return Real48::fromExtended(readNumber(text)) == value;
    } catch (const OrvError &) {
        return false;
    }
}

} // namespace

QString resultText(const Real48 &value)
{
    const long double exact = value.toExtended();
    const QString general = generalText(exact);
    if (!general.contains(u','))
        return general;
    // A text that stores as the value lies in the value's rounding interval, so if one with
    // `count` digits exists, one of the two neighbours of the value with `count` digits is one.
    // Fifteen digits always store back: they are finer than the 40-bit significand.
    const Decimal digits = exactDigits(std::fabs(exact));
    for (int count = 1; count < GeneralDigits; ++count) {
        const Decimal below = cut(digits, count);
        const Decimal above = unitUp(below);
        const bool upFirst = roundsUp(digits, count);
        for (const Decimal &neighbour : {upFirst ? above : below, upFirst ? below : above}) {
            const QString text = layout(value.isNegative(), withoutTrailingZeros(neighbour));
            if (storesAs(text, value))
                return text;
        }
    }
    return general;
}
