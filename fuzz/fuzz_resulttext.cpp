// The result text of any stored value: read back and stored it gives the value again, no shorter
// text does, and it keeps the general text's layout.
#include "CalculatorChecks.h"
#include "NumberText.h"
#include "OrvError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto significand = input.take<quint64>();
    const auto exponent = input.take<quint8>();
    const auto flags = input.take<quint8>();

    Real48 value;
    try {
        value = Real48::fromExtended(calculatorValue(significand, exponent, flags & 1));
    } catch (const OrvError &) {
        return 0; // beyond the 6-byte real: such a value is never shown
    }
    checkReal48(value);

    const QString text = resultText(value);
    const QString general = generalText(value.toExtended());
    if (!general.contains(u','))
        FUZZ_CHECK(text == general);
    FUZZ_CHECK(significantDigits(text) <= significantDigits(general));
    if (text != QLatin1String("0"))
        FUZZ_CHECK(text.startsWith(u'-') == value.isNegative());

    const QString fault = resultTextFault(value, text);
    if (!fault.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(fault));
    FUZZ_CHECK(fault.isEmpty());
    return 0;
}
