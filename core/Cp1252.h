// Windows-1252, the 8-bit character set of the program's files.
#pragma once

#include <QString>
#include <string>
#include <string_view>

QChar fromCp1252(unsigned char byte);
QString fromCp1252(std::string_view bytes);

// Characters Windows-1252 cannot hold become '?'.
std::string toCp1252(const QString &text);
