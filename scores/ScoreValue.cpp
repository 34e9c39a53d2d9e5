// Score text conversion: decimal with sign, or "$" and hexadecimal.
#include "ScoreValue.h"

#include "Cp1252.h"
#include "OrvError.h"

#include <cstdint>
#include <optional>

namespace {

int digitValue(char c, int base)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The digits' value, or nothing when there are none, one is not a digit, or it passes the limit.
std::optional<std::uint64_t> digitsValue(std::string_view digits, int base, std::uint64_t limit)
{
    if (digits.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int d = digitValue(c, base);
        if (d < 0)
            return std::nullopt;
        value = value * std::uint64_t(base) + std::uint64_t(d);
        if (value > limit)
            return std::nullopt;
    }
    return value;
}

std::optional<qint32> parse(std::string_view text)
{
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    text.remove_prefix(start);

    if (text.front() == '$') {
        const auto bits = digitsValue(text.substr(1), 16, 0xFFFFFFFFu);
        if (!bits)
            return std::nullopt;
        return qint32(std::uint32_t(*bits));
    }
    const bool negative = text.front() == '-';
    if (negative || text.front() == '+')
        text.remove_prefix(1);
    const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    const auto magnitude = digitsValue(text, 10, limit);
    if (!magnitude)
        return std::nullopt;
    return qint32(negative ? -std::int64_t(*magnitude) : std::int64_t(*magnitude));
}

} // namespace

qint32 scoreValue(std::string_view text)
{
    if (const auto value = parse(text))
        return *value;
    throw OrvError(QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(fromCp1252(text)));
}
