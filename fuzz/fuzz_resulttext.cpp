// The result text of any stored value: the whole general text, or a shorter text that reads back
// within the noise and that the next evaluation can take as its operand.
#include "CalculatorChecks.h"
#include "NumberText.h"
#include "OrvError.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

int significantDigits(const QString &text)
{
    const QString mantissa = text.section(u'E', 0, 0);
    QString digits;
    for (const QChar c : mantissa)
        if (c.isDigit())
            digits += c;
    const qsizetype first = digits.indexOf(QRegularExpression(QStringLiteral("[1-9]")));
    return first < 0 ? 0 : int(digits.size() - first);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto significand = input.take<quint64>();
    const auto exponent = input.take<quint8>();
    const auto flags = input.take<quint8>();
    const auto reachSignificand = input.take<quint64>();
    const auto reachExponent = input.take<quint8>();

    Real48 value, reachValue;
    try {
        value = Real48::fromExtended(calculatorValue(significand, exponent, flags & 1));
        if (flags & 2)
            reachValue = Real48::fromExtended(calculatorValue(reachSignificand, reachExponent, false));
    } catch (const OrvError &) {
        return 0; // beyond the 6-byte real: such a value is never shown
    }
    checkReal48(value);
    const long double exact = value.toExtended();
    const long double reach = reachValue.toExtended();

    const QString text = resultText(value, reach);
    const QString general = generalText(exact);
    if (!general.contains(u','))
        FUZZ_CHECK(text == general);
    FUZZ_CHECK(significantDigits(text) <= significantDigits(general));
    if (text != QLatin1String("0"))
        FUZZ_CHECK(text.startsWith(u'-') == value.isNegative());

    const long double back = readNumber(text);
    // Two units of the last significand bit of the larger of the value and its reach.
    const long double magnitude = std::max(std::fabs(exact), reach);
    const long double noise =
        magnitude == 0 ? 0 : std::ldexp(2.0L, std::ilogb(magnitude) - (Real48::SignificandBits - 1));
    FUZZ_CHECK(std::fabs(back - exact) <= std::max(noise, 5e-12L * std::fabs(exact)));
    // The next evaluation stores what it reads: it must not overflow.
    checkReal48(Real48::fromExtended(back));
    return 0;
}
