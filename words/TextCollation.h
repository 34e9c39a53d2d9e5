// The list's text comparison: case-insensitive French collation of Windows-1252 text.
#pragma once

#include <string_view>

// Negative, zero or positive, as a sorts before, with or after b.
int compareText(std::string_view a, std::string_view b);
bool equalText(std::string_view a, std::string_view b);

// compareText(Decrypte(a), Decrypte(b)) without building the plain strings.
int comparePlainOfScrambled(std::string_view a, std::string_view b);

// The collator alone, without the fast paths; tests hold the fast paths to it.
int collatorCompare(std::string_view a, std::string_view b);
