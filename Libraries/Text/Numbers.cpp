#include "Libraries/Text/Numbers.h"

#include <charconv>
#include <stdexcept>

int32_t StrToInt32(const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  // One sign at most: "+-5" is no number.
  if (first != last && *first == '+' && (last - first == 1 || first[1] != '-')) {
    ++first;
  }
  int32_t value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || end != last) {
    throw std::invalid_argument("'" + text + "' is not a valid integer value");
  }
  return value;
}
