// Fast paths give the collator's answer for the strings where it is known in advance:
// letters A–Z/a–z order alphabetically without regard to case, and printable ASCII
// characters are equal only to themselves or to their other case.
#include "TextCollation.h"

#include "Cp1252.h"
#include "Scramble.h"

#include <QCollator>
#include <QLocale>
#include <array>
#include <cstdint>
#include <cstring>

namespace {

QCollator &collator()
{
    static QCollator instance = [] {
        QCollator c(QLocale(QLocale::French, QLocale::France));
        c.setCaseSensitivity(Qt::CaseInsensitive);
        c.setNumericMode(false);
        c.setIgnorePunctuation(false);
        return c;
    }();
    return instance;
}

// 1: ASCII letter; 2: other printable ASCII; 0: anything else.
constexpr std::array<unsigned char, 256> Classes = [] {
    std::array<unsigned char, 256> t{};
    for (int c = 0x20; c < 0x7F; ++c)
        t[c] = 2;
    for (int c = 'A'; c <= 'Z'; ++c)
        t[c] = t[c + 32] = 1;
    return t;
}();

inline unsigned char upper(unsigned char c)
{
    return (c >= 'a' && c <= 'z') ? c - 32 : c;
}

constexpr int Unknown = 2;

// Compares letters-only strings; returns Unknown when a character outside A–Z/a–z is met.
template <typename AtA, typename AtB>
int compareLetters(std::size_t na, std::size_t nb, AtA a, AtB b)
{
    const std::size_t n = std::min(na, nb);
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = a(i), cb = b(i);
        if (Classes[ca] != 1 || Classes[cb] != 1)
            return Unknown;
        const unsigned char ua = upper(ca), ub = upper(cb);
        if (ua != ub)
            return ua < ub ? -1 : 1;
    }
    for (std::size_t i = n; i < na; ++i)
        if (Classes[static_cast<unsigned char>(a(i))] != 1)
            return Unknown;
    for (std::size_t i = n; i < nb; ++i)
        if (Classes[static_cast<unsigned char>(b(i))] != 1)
            return Unknown;
    return na < nb ? -1 : (na > nb ? 1 : 0);
}

} // namespace

int collatorCompare(std::string_view a, std::string_view b)
{
    const int r = collator().compare(fromCp1252(a), fromCp1252(b));
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

int compareText(std::string_view a, std::string_view b)
{
    const int r = compareLetters(
        a.size(), b.size(), [a](std::size_t i) { return static_cast<unsigned char>(a[i]); },
        [b](std::size_t i) { return static_cast<unsigned char>(b[i]); });
    return r != Unknown ? r : collatorCompare(a, b);
}

bool equalText(std::string_view a, std::string_view b)
{
    if (isPrintableAscii(a) && isPrintableAscii(b))
        return equalIgnoringAsciiCase(a, b);
    return collatorCompare(a, b) == 0;
}

int comparePlainOfScrambled(std::string_view a, std::string_view b)
{
    const int r = compareLetters(
        a.size(), b.size(), [a](std::size_t i) { return static_cast<unsigned char>(Scramble::decryptAt(a[i], i + 1)); },
        [b](std::size_t i) { return static_cast<unsigned char>(Scramble::decryptAt(b[i], i + 1)); });
    return r != Unknown ? r : collatorCompare(Decrypte(a), Decrypte(b));
}
