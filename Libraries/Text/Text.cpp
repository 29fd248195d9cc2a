#include "Libraries/Text/Text.h"

std::string ReverseText(const std::string& text) { return std::string(text.rbegin(), text.rend()); }

std::string WithoutCarriageReturns(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (const char c : text) {
    if (c != '\r') {
      result += c;
    }
  }
  return result;
}
