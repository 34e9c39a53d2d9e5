// Number texts of the calculator: the display grammar, rounding to decimal digits and layout.
#include "NumberText.h"

#include "OrvError.h"

#include <algorithm>
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
// A 40-bit significand holds 12 significant decimal digits (2^40 is about 1.1E12).
constexpr int ResultDigits = 12;
// The decimal answer of one +, - or * on two stored decimals lies within about two units of the
// last significand bit of the larger operand or the result: half a unit from each store.
constexpr long double NoiseUnits = 2;

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
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                   std::chars_format::scientific, precision).ptr;
    const std::string text(buffer.data(), end);
    const std::size_t e = text.find('e');
    Decimal result;
    result.digits = text.substr(0, 1) + text.substr(2, e - 2);
    result.pointPlace = std::stoi(text.substr(e + 1)) + 1;
    return result;
}

// Keeps at most `count` significant digits, rounding a dropped half up, and drops trailing zeros.
Decimal rounded(Decimal exact, int count)
{
    const bool up = int(exact.digits.size()) > count && exact.digits[std::size_t(count)] >= '5';
    exact.digits.resize(std::min(exact.digits.size(), std::size_t(count)));
    if (up) {
        int i = count - 1;
        while (i >= 0 && exact.digits[std::size_t(i)] == '9')
            exact.digits[std::size_t(i--)] = '0';
        if (i >= 0) {
            ++exact.digits[std::size_t(i)];
        } else {
            exact.digits.insert(exact.digits.begin(), '1');
            exact.digits.pop_back();
            ++exact.pointPlace;
        }
    }
    const std::size_t last = exact.digits.find_last_not_of('0');
    exact.digits.resize(last == std::string::npos ? 0 : last + 1);
    return exact;
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

QString resultText(const Real48 &value, long double reach)
{
    const long double exact = value.toExtended();
    const QString general = generalText(exact);
    if (!general.contains(u','))
        return general;
    const long double magnitude = std::max(std::fabs(exact), std::fabs(reach));
    const long double tolerance =
        NoiseUnits * std::ldexp(1.0L, std::ilogb(magnitude) - (Real48::SignificandBits - 1));
    if (std::fabs(exact) <= tolerance)
        return QStringLiteral("0");
    const Decimal digits = exactDigits(std::fabs(exact));
    for (int count = 1; count < ResultDigits; ++count) {
        const QString shorter = layout(value.isNegative(), rounded(digits, count));
        if (std::fabs(readNumber(shorter) - exact) <= tolerance)
            return shorter;
    }
    return layout(value.isNegative(), rounded(digits, ResultDigits));
}
