// Checks shared by the calculator's fuzz targets.
#pragma once

#include "FuzzCheck.h"
#include "NumberText.h"
#include "OrvError.h"
#include "Real48.h"

#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdio>
#include <string>

// Zero, or a 40-bit significand with its leading bit set and an exponent in range.
inline void checkReal48(const Real48 &r)
{
    if (r.isZero()) {
        FUZZ_CHECK(!r.isNegative());
        return;
    }
    FUZZ_CHECK(r.significand() >> (Real48::SignificandBits - 1) == 1);
    FUZZ_CHECK(r.exponent() >= Real48::MinExponent && r.exponent() <= Real48::MaxExponent);
}

// A long double made of the input's bits: any finite value, subnormals included.
inline long double finiteValue(quint64 significand, quint16 exponentBits, bool negative)
{
    constexpr int Lowest = -16445 - 63, Highest = 16383 - 64;
    const int exponent = Lowest + int(exponentBits % quint16(Highest - Lowest + 1));
    const long double value = std::ldexp(static_cast<long double>(significand), exponent);
    return negative ? -value : value;
}

// The same, kept within the 6-byte real's exponents, where the calculator's values live.
inline long double calculatorValue(quint64 significand, quint8 exponentBits, bool negative)
{
    const int exponent = int(exponentBits) - 128 - 63;
    const long double value = std::ldexp(static_cast<long double>(significand), exponent);
    return negative ? -value : value;
}

// The texts the calculator may raise.
inline bool isCalculatorError(const QString &text)
{
    static const QStringList fixed{QStringLiteral("Division flottante par zéro"),
                                   QStringLiteral("Opération flottante incorrecte"),
                                   QStringLiteral("Débordement flottant")};
    return fixed.contains(text)
        || (text.startsWith(u'\'') && text.endsWith(QStringLiteral("' n'est pas une valeur flottante correcte")));
}

// Digits from the first to the last non-zero one before any "E": 1000 and 1E15 have one, 0,05 one.
inline int significantDigits(const QString &text)
{
    const QString mantissa = text.section(u'E', 0, 0);
    QString digits;
    for (const QChar c : mantissa)
        if (c.isDigit())
            digits += c;
    while (digits.startsWith(u'0'))
        digits.remove(0, 1);
    while (digits.endsWith(u'0'))
        digits.chop(1);
    return int(digits.size());
}

// Whether the display reading of the text, stored as the next evaluation stores it, is the value.
inline bool readsBackAs(const QString &text, const Real48 &value)
{
    try {
        return Real48::fromExtended(readNumber(text)) == value;
    } catch (const OrvError &) {
        return false;
    }
}

// The value's significant digits in full, from the C library's exact conversion: the magnitude is
// 0,digits times 10^pointPlace. A 40-bit significand times 2^-167 needs fewer than 200 digits.
struct ExactDecimal
{
    std::string digits;
    int pointPlace = 0;
};

inline ExactDecimal exactDecimal(long double value)
{
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "%.200Le", std::fabs(value));
    const std::string text(buffer);
    const std::size_t e = text.find('e');
    return {text.substr(0, 1) + text.substr(2, e - 2), std::stoi(text.substr(e + 1)) + 1};
}

// The two texts of `count` significant digits on either side of the value ("1234E-5", "1235E-5"),
// the cut one first.
inline QStringList neighbourTexts(const ExactDecimal &exact, bool negative, int count)
{
    const long long cut = std::stoll(exact.digits.substr(0, std::size_t(count)));
    const QString sign = negative ? QStringLiteral("-") : QString();
    const QString exponent = u'E' + QString::number(exact.pointPlace - count);
    return {sign + QString::number(cut) + exponent, sign + QString::number(cut + 1) + exponent};
}

// What the result text of the value breaks, or nothing. It reads back as the value; unless it is
// the value's exact whole number, no text with fewer significant digits does, and of the texts
// with as many that read back it is the nearer, or either one when both are as near.
inline QString resultTextFault(const Real48 &value, const QString &text)
{
    if (!readsBackAs(text, value))
        return QStringLiteral("%1 does not read back as the value").arg(text);
    const long double held = value.toExtended();
    const bool whole = !text.contains(u',') && !text.contains(u'E');
    if (whole && readNumber(text) == held)
        return QString();
    const ExactDecimal exact = exactDecimal(held);
    const int digits = significantDigits(text);
    for (int count = 1; count < digits; ++count)
        for (const QString &shorter : neighbourTexts(exact, value.isNegative(), count))
            if (readsBackAs(shorter, value))
                return QStringLiteral("%1 also reads back, shorter than %2").arg(shorter, text);
    const std::string rest = exact.digits.substr(std::size_t(digits));
    const std::string half = '5' + std::string(rest.size() - 1, '0');
    if (rest == half)
        return QString();
    const QStringList pair = neighbourTexts(exact, value.isNegative(), digits);
    const QString nearer = rest < half ? pair[0] : pair[1];
    if (readsBackAs(nearer, value) && readNumber(nearer) != readNumber(text))
        return QStringLiteral("%1 reads back too, nearer than %2").arg(nearer, text);
    return QString();
}
