// Font substitutions of the program.
#include "Fonts.h"

#include <QStringList>

void Fonts::installSubstitutions()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    for (const QString &plain : {QStringLiteral("MS Sans Serif"), QStringLiteral("System")})
        QFont::insertSubstitutions(plain, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QFont Fonts::pixelFont(const QString &family, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    font.setStyleHint(family == QLatin1String("Times New Roman") ? QFont::Serif : QFont::SansSerif);
    return font;
}
