#pragma once
// The one pair of conversions between the program's 8-bit Windows-1252 texts
// and the toolkit's Unicode strings; used wherever text is shown or typed.

#include <QString>
#include <string>

QString ToQString(const std::string& text);
// Characters the code page cannot hold become "?".
std::string FromQString(const QString& text);
