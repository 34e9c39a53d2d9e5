// The calculator's number texts: reading the display, the general text and the result text.
#pragma once

#include "Real48.h"

#include <QString>

// Blanks at both ends, an optional sign, digits with an optional "," and digits, then optionally
// "E" or "e", an optional sign and digits; a digit or the "," must follow the sign ("," reads 0).
// Throws OrvError "'…' n'est pas une valeur flottante correcte" quoting the whole text.
long double readNumber(const QString &text);

// At most 15 significant digits, halves rounded away from zero, trailing zeros dropped, ",":
// fixed from 0,0001 to just under 1E15, otherwise "d,dddE-x" without "+" or leading zeros.
QString generalText(long double value);

// The general text of a stored value, whole when it has no ",". Otherwise the shortest text of at
// most 15 significant digits that the display reading and a store give back as exactly this
// value, so that the next evaluation goes on from it; of two as short, the one nearer the value,
// or the one farther from zero when both are as near.
QString resultText(const Real48 &value);
