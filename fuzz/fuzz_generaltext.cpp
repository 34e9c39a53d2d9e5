// The general text of any finite value: compared with the C library's decimal digits, and read back.
#include "CalculatorChecks.h"
#include "NumberText.h"

#include <cfloat>
#include <cstdio>
#include <string>

namespace {

// The decimal digits of |value| in scientific form: "d.ddd…e±x" with `precision` digits after the point.
std::string scientific(long double magnitude, int precision)
{
    std::string text(std::size_t(precision) + 32, '\0');
    const int n = std::snprintf(text.data(), text.size(), "%.*Le", precision, magnitude);
    text.resize(std::size_t(n));
    return text;
}

// 15 significant digits, a dropped half rounded away from zero; returns the digits and the
// power of ten of the first one.
std::pair<std::string, int> roundedDigits(long double magnitude)
{
    std::string text = scientific(magnitude, 14);
    std::string digits = text.substr(0, 1) + text.substr(2, 14);
    int power = std::stoi(text.substr(text.find('e') + 1));
    // The C library rounds a half to even: only an exact half can differ, so only then look at every digit.
    const std::string wide = scientific(magnitude, 40);
    const std::string tail = wide.substr(16, 25);
    if (tail.front() == '5' && tail.find_first_not_of('0', 1) == std::string::npos) {
        const std::string exact = scientific(magnitude, 17000);
        const std::size_t end = exact.find('e');
        const std::string rest = exact.substr(16, end - 16);
        if (rest.front() == '5' && rest.find_first_not_of('0', 1) == std::string::npos) {
            digits = wide.substr(0, 1) + wide.substr(2, 14);
            int i = 14;
            while (i >= 0 && digits[std::size_t(i)] == '9')
                digits[std::size_t(i--)] = '0';
            if (i < 0) {
                digits = "1" + digits.substr(0, 14);
                power = std::stoi(wide.substr(wide.find('e') + 1)) + 1;
            } else {
                ++digits[std::size_t(i)];
                power = std::stoi(wide.substr(wide.find('e') + 1));
            }
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits, power};
}

QString expectedText(long double value)
{
    if (value == 0)
        return QStringLiteral("0");
    const auto [digits, power] = roundedDigits(std::fabs(value));
    const QString d = QString::fromLatin1(digits.data(), qsizetype(digits.size()));
    QString text = value < 0 ? QStringLiteral("-") : QString();
    const int before = power + 1; // digits before the decimal point
    if (before >= 1 && before <= 15) {
        text += d.left(before).leftJustified(before, u'0');
        if (d.size() > before)
            text += u',' + d.mid(before);
    } else if (before >= -3 && before <= 0) {
        text += QStringLiteral("0,") + QString(-before, u'0') + d;
    } else {
        text += d.left(1) + (d.size() > 1 ? u',' + d.mid(1) : QString()) + u'E' + QString::number(power);
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    const auto significand = input.take<quint64>();
    const auto exponent = input.take<quint16>();
    const auto sign = input.take<quint8>();
    const long double value = finiteValue(significand, exponent, sign & 1);

    const QString text = generalText(value);
    FUZZ_CHECK(text == expectedText(value));
    const long double back = readNumber(text);
    if (std::fabs(value) >= LDBL_MIN)
        FUZZ_CHECK(std::fabs(back - value) <= 5.0000001e-15L * std::fabs(value));
    return 0;
}
