#include "Libraries/Text/Cp1252.h"

#include <array>

namespace {

// Code points of the bytes 0x80..0x9F; the rest of the code page is Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[i], advancing i; false when broken.
bool DecodeUtf8(const std::string& text, size_t& i, char32_t& cp) {
  const auto lead = static_cast<unsigned char>(text[i]);
  int extra = 0;
  if (lead < 0x80) {
    cp = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    cp = lead & 0x1F;
    extra = 1;
  } else if ((lead & 0xF0) == 0xE0) {
    cp = lead & 0x0F;
    extra = 2;
  } else if ((lead & 0xF8) == 0xF0) {
    cp = lead & 0x07;
    extra = 3;
  } else {
    ++i;
    return false;
  }
  ++i;
  for (int k = 0; k < extra; ++k, ++i) {
    if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      return false;
    }
    cp = (cp << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
  }
  return true;
}

// A decoded sequence of that many bytes is the shortest form of a Unicode
// scalar value.
bool IsWellFormedUtf8(char32_t cp, size_t length) {
  static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  return length >= 2 && length <= 4 && cp >= kSmallest[length] && cp <= 0x10FFFF &&
         (cp < 0xD800 || cp > 0xDFFF);
}

}  // namespace

char32_t Cp1252ToCodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) {
    return kHighControls[byte - 0x80];
  }
  return byte;
}

bool CodePointToCp1252(char32_t codePoint, unsigned char& byte) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF)) {
    byte = static_cast<unsigned char>(codePoint);
    return true;
  }
  for (size_t k = 0; k < kHighControls.size(); ++k) {
    if (kHighControls[k] == codePoint) {
      byte = static_cast<unsigned char>(0x80 + k);
      return true;
    }
  }
  return false;
}

std::string Cp1252ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(c)));
  }
  return out;
}

std::string TextWithPathsToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    char32_t cp = 0;
    if (static_cast<unsigned char>(text[start]) < 0x80) {
      out += text[i++];
    } else if (DecodeUtf8(text, i, cp) && IsWellFormedUtf8(cp, i - start)) {
      out.append(text, start, i - start);
    } else {
      i = start + 1;
      AppendUtf8(out, Cp1252ToCodePoint(static_cast<unsigned char>(text[start])));
    }
  }
  return out;
}

std::string Utf8ToCp1252(const std::string& utf8, char replacement) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    const size_t start = i;
    char32_t cp = 0;
    unsigned char byte = 0;
    // Overlong forms and surrogates are broken UTF-8 too: "\xC0\x80" is no
    // byte 0, and "\xC1\x81" no A.
    if (DecodeUtf8(utf8, i, cp) && (cp < 0x80 ? i - start == 1 : IsWellFormedUtf8(cp, i - start)) &&
        CodePointToCp1252(cp, byte)) {
      out += static_cast<char>(byte);
    } else {
      out += replacement;
    }
  }
  return out;
}

char UpperCaseCp1252(char letter) {
  const auto byte = static_cast<unsigned char>(letter);
  if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7)) {
    return static_cast<char>(byte - 0x20);
  }
  switch (byte) {
    case 0x9A:  // š
    case 0x9C:  // œ
    case 0x9E:  // ž
      return static_cast<char>(byte - 0x10);
    case 0xFF:  // ÿ
      return static_cast<char>(0x9F);
    default:
      return letter;
  }
}

std::string UpperCaseCp1252(const std::string& text) {
  std::string out(text);
  for (char& c : out) {
    c = UpperCaseCp1252(c);
  }
  return out;
}

const std::array<unsigned char, 256>& Cp1252Capitals() {
  static const std::array<unsigned char, 256> table = [] {
    std::array<unsigned char, 256> capitals{};
    for (int byte = 0; byte < 256; ++byte) {
      capitals[byte] = static_cast<unsigned char>(UpperCaseCp1252(static_cast<char>(byte)));
    }
    return capitals;
  }();
  return table;
}
