// Windows-1252 differs from Latin-1 only in the range 0x80–0x9F.
#include "Cp1252.h"

namespace {

// Code points of 0x80–0x9F; 0 marks the five bytes the set leaves undefined,
// which are read as the control characters of the same code.
// clang-format off
constexpr char16_t HighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};
// clang-format on

} // namespace

QChar fromCp1252(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0 && HighControls[byte - 0x80] != 0)
        return QChar(HighControls[byte - 0x80]);
    return QChar(byte);
}

QString fromCp1252(std::string_view bytes)
{
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes)
        *out++ = fromCp1252(static_cast<unsigned char>(c));
    return text;
}

std::string toCp1252(const QString &text)
{
    std::string bytes;
    bytes.reserve(size_t(text.size()));
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes += char(u);
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i) {
            if (HighControls[i] == u || (HighControls[i] == 0 && u == 0x80 + i)) {
                mapped = char(0x80 + i);
                break;
            }
        }
        bytes += mapped;
    }
    return bytes;
}
