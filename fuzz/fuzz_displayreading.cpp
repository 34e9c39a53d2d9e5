// The calculator's reading of its display: any text is read or refused as a plain grammar says.
#include "FuzzCheck.h"
#include "NumberText.h"
#include "OrvError.h"

#include <regex>
#include <string>

namespace {

// Blanks, a sign, digits with a "," and digits, an exponent, blanks; the regex is built apart
// from the reader so that the two can disagree.
const std::regex &grammar()
{
    static const std::regex pattern("^ *[+-]?([0-9]+(,[0-9]*)?|,[0-9]*)([eE][+-]?[0-9]+)? *$");
    return pattern;
}

long double expectedValue(const std::string &text)
{
    std::string plain;
    bool mantissaDigits = false;
    for (const char c : text) {
        if (c == ' ')
            continue;
        if (c >= '0' && c <= '9' && plain.find_first_of("eE") == std::string::npos)
            mantissaDigits = true;
        plain += c == ',' ? '.' : c;
    }
    // "," alone, with or without a sign or an exponent, reads as zero.
    return mantissaDigits ? std::strtold(plain.c_str(), nullptr) : 0.0L;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The regex recurses once per character; longer texts are only read.
    const std::string bytes(reinterpret_cast<const char *>(data), std::min<std::size_t>(size, 300));
    const QString text = QString::fromLatin1(bytes.data(), qsizetype(bytes.size()));
    const bool valid = std::regex_match(bytes, grammar());
    try {
        const long double value = readNumber(text);
        FUZZ_CHECK(valid);
        const long double expected = expectedValue(bytes);
        FUZZ_CHECK(value == expected);
    } catch (const OrvError &e) {
        FUZZ_CHECK(!valid);
        FUZZ_CHECK(e.text() == u'\'' + text + QStringLiteral("' n'est pas une valeur flottante correcte"));
    }
    return 0;
}
