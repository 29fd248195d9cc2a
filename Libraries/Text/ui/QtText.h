#pragma once
// The one pair of conversions between the program's 8-bit Windows-1252 texts
// and the toolkit's Unicode strings; used wherever text is shown or typed.

#include <QString>
#include <string>

QString ToQString(const std::string& text);
// Characters the code page cannot hold become "?".
std::string FromQString(const QString& text);

// A path, or a message that holds paths, as shown: well-formed UTF-8 (the
// system's file names) as such, any other byte as Windows-1252.
QString PathToQString(const std::string& text);
// A path typed or chosen in a window, in the system's file-name encoding.
std::string PathFromQString(const QString& path);
