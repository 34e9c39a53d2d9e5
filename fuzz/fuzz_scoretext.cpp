// Score text conversion: any text is converted or refused exactly as a plain reading of the rule says.
#include "Cp1252.h"
#include "FuzzCheck.h"
#include "OrvError.h"
#include "ScoreValue.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

// Spaces, then a signed decimal in the 32-bit range or "$" and hexadecimal of at most 32 bits.
std::optional<std::int64_t> expectedValue(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    if (i < text.size() && text[i] == '$') {
        std::uint64_t bits = 0;
        std::size_t digits = 0;
        for (++i; i < text.size(); ++i, ++digits) {
            const char c = text[i];
            int digit = -1;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            if (digit < 0)
                return std::nullopt;
            bits = bits * 16 + std::uint64_t(digit);
            if (bits > 0xFFFFFFFFull)
                return std::nullopt;
        }
        if (digits == 0)
            return std::nullopt;
        return std::int64_t(std::int32_t(std::uint32_t(bits)));
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        return std::nullopt;
    std::int64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > 0x80000000ll)
            return std::nullopt;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > 0x7FFFFFFFll)
        return std::nullopt;
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<std::int64_t> expected = expectedValue(text);
    try {
        const qint32 value = scoreValue(text);
        FUZZ_CHECK(expected && *expected == value);
        // What the ranking writes reads back as the same value.
        FUZZ_CHECK(scoreValue(std::to_string(value)) == value);
    } catch (const OrvError &e) {
        FUZZ_CHECK(!expected);
        FUZZ_CHECK(e.text() == QStringLiteral("'%1' n'est pas une valeur entière correcte").arg(fromCp1252(text)));
    }
    return 0;
}
