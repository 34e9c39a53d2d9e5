// Accent folding shared by every search that must find "règles" from "regle".
#pragma once

#include <QString>

// Lower case without accents or other combining marks.
QString foldAccents(const QString &text);
