// The calculator's 6-byte real: zero or a signed 40-bit significand with a binary exponent.
#pragma once

#include <QtGlobal>

class Real48
{
public:
    static constexpr int SignificandBits = 40;
    static constexpr int MinExponent = -128;
    static constexpr int MaxExponent = 126;

    // Zero.
    Real48() = default;

    // Cuts the value to 40 significant bits, rounding a dropped half away from zero; a magnitude
    // below 2^-128 gives zero. Throws OrvError "Débordement flottant" from 2^127 on.
    static Real48 fromExtended(long double value);

    long double toExtended() const;

    bool isZero() const { return m_significand == 0; }
    bool isNegative() const { return m_negative; }
    // 2^39 to 2^40 - 1, or 0 for zero.
    quint64 significand() const { return m_significand; }
    // The power of two of the leading bit: the value is significand * 2^(exponent - 39).
    int exponent() const { return m_exponent; }

    friend bool operator==(const Real48 &, const Real48 &) = default;

private:
    bool m_negative = false;
    int m_exponent = 0;
    quint64 m_significand = 0;
};
