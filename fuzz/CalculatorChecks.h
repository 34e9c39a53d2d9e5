// Checks shared by the calculator's fuzz targets.
#pragma once

#include "FuzzCheck.h"
#include "Real48.h"

#include <QString>
#include <QStringList>
#include <cmath>

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
