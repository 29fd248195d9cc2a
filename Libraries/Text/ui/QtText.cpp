#include "Libraries/Text/ui/QtText.h"

#include "Libraries/Text/Cp1252.h"

QString ToQString(const std::string& text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) {
    out += QChar(static_cast<char16_t>(Cp1252ToCodePoint(static_cast<unsigned char>(c))));
  }
  return out;
}

std::string FromQString(const QString& text) {
  std::string out;
  out.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) {
    unsigned char byte = 0;
    out += CodePointToCp1252(c.unicode(), byte) ? static_cast<char>(byte) : '?';
  }
  return out;
}

QString PathToQString(const std::string& text) {
  return QString::fromStdString(TextWithPathsToUtf8(text));
}

std::string PathFromQString(const QString& path) { return path.toStdString(); }
