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

// The general text of a stored value, whole when it has no ",". Otherwise the digits past two
// units of the last significand bit are noise: the value is rounded to 12 significant digits,
// or to fewer when a shorter decimal, or 0, lies within those two units. The units are those of
// `reach` when it is larger: the operand that a sum or a difference came from.
QString resultText(const Real48 &value, long double reach);
