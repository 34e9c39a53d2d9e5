// Converting a top-ten score text to its 32-bit value.
#pragma once

#include <QtGlobal>
#include <string_view>

// Leading spaces, then an optional sign and decimal digits in the signed 32-bit range,
// or "$" and up to 32 bits of hexadecimal digits read as two's complement; nothing may follow.
// Throws OrvError "'…' n'est pas une valeur entière correcte" for any other text, the empty one included.
qint32 scoreValue(std::string_view text);
