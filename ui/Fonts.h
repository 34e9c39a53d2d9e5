// Fonts by pixel height, with the classic desktop families mapped to fonts Debian ships.
#pragma once

#include <QFont>
#include <QString>

namespace Fonts {

// Arial and Times New Roman to the metric-compatible Liberation fonts; "MS Sans Serif"
// and "System" to a plain sans font. Call once, before any window is created.
void installSubstitutions();

QFont pixelFont(const QString &family, int pixelHeight, bool bold = false);

} // namespace Fonts
