// Storing an extended-precision value into the 6-byte real, and reading it back.
#include "Real48.h"

#include "OrvError.h"

#include <cmath>
#include <limits>

namespace {

constexpr int ExtendedBits = 64;
static_assert(std::numeric_limits<long double>::digits == ExtendedBits, "needs the x87 extended format");
constexpr int DroppedBits = ExtendedBits - Real48::SignificandBits;

} // namespace

Real48 Real48::fromExtended(long double value)
{
    if (std::isnan(value))
        throw OrvError(QStringLiteral("Opération flottante incorrecte"));
    if (std::isinf(value))
        throw OrvError(QStringLiteral("Débordement flottant"));
    Real48 result;
    if (value == 0)
        return result;

    // frexpl gives a fraction in [0.5, 1); its 64 bits scaled up form a whole number exactly.
    int binaryExponent = 0;
    const long double fraction = std::frexp(std::fabs(value), &binaryExponent);
    const auto bits = static_cast<quint64>(std::ldexp(fraction, ExtendedBits));

    quint64 significand = bits >> DroppedBits;
    if ((bits >> (DroppedBits - 1)) & 1)
        ++significand;
    int exponent = binaryExponent - 1;
    if (significand >> SignificandBits) {
        significand >>= 1;
        ++exponent;
    }

    if (exponent > MaxExponent)
        throw OrvError(QStringLiteral("Débordement flottant"));
    if (exponent < MinExponent)
        return result;
    result.m_negative = value < 0;
    result.m_exponent = exponent;
    result.m_significand = significand;
    return result;
}

long double Real48::toExtended() const
{
    const long double magnitude =
        std::ldexp(static_cast<long double>(m_significand), m_exponent - (SignificandBits - 1));
    return m_negative ? -magnitude : magnitude;
}
