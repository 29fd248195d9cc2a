#include "Libraries/File/TemporaryNames.h"

#include <charconv>
#include <string_view>

namespace {
constexpr std::string_view kMarker = ".glyphmason-";
constexpr std::string_view kEnding = ".tmp";
// "~" and eight hexadecimal digits: what stands for the part of a name cut off.
constexpr size_t kHashLength = 9;
constexpr size_t kMaxWriterDigits = 10;
constexpr size_t kMaxAttemptDigits = 2;

std::string Suffix(uint32_t writer, unsigned attempt) {
  return std::string(kMarker) + std::to_string(writer) + "-" +
         std::to_string(attempt % (kMaxTemporaryAttempt + 1)) + std::string(kEnding);
}

// "~" and the 32-bit FNV-1a hash of the name in hexadecimal.
std::string NameHash(const std::string& name) {
  uint32_t hash = 2166136261u;
  for (const char c : name) {
    hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  }
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "~";
  for (int shift = 28; shift >= 0; shift -= 4) {
    text += kDigits[(hash >> shift) & 0xF];
  }
  return text;
}

// The first bytes of name, at most length of them, not ending inside a
// UTF-8 sequence.
std::string_view CutName(const std::string& name, size_t length) {
  while (length > 0 && length < name.size() &&
         (static_cast<unsigned char>(name[length]) & 0xC0) == 0x80) {
    --length;
  }
  return std::string_view(name).substr(0, length);
}

// The number at the start of text, of 1 to maxDigits digits; false otherwise.
bool ReadNumber(std::string_view text, size_t maxDigits, uint32_t& number) {
  if (text.empty() || text.size() > maxDigits) {
    return false;
  }
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size();
}

// The writer and attempt of a name ending in "<marker><writer>-<attempt><ending>".
bool ReadSuffix(std::string_view name, uint32_t& writer, uint32_t& attempt) {
  if (name.size() < kEnding.size() || name.substr(name.size() - kEnding.size()) != kEnding) {
    return false;
  }
  name.remove_suffix(kEnding.size());
  const size_t marker = name.rfind(kMarker);
  if (marker == std::string_view::npos) {
    return false;
  }
  const std::string_view numbers = name.substr(marker + kMarker.size());
  const size_t dash = numbers.find('-');
  return dash != std::string_view::npos &&
         ReadNumber(numbers.substr(0, dash), kMaxWriterDigits, writer) &&
         ReadNumber(numbers.substr(dash + 1), kMaxAttemptDigits, attempt);
}
}  // namespace

std::string TemporaryName(const std::string& finalName, uint32_t writer, unsigned attempt,
                          size_t maxNameLength) {
  const std::string suffix = Suffix(writer, attempt);
  if (finalName.size() + suffix.size() <= maxNameLength) {
    return finalName + suffix;
  }
  const size_t room =
      maxNameLength > suffix.size() + kHashLength ? maxNameLength - suffix.size() - kHashLength : 0;
  return std::string(CutName(finalName, room)) + NameHash(finalName) + suffix;
}

bool IsTemporaryNameOf(const std::string& name, const std::string& finalName, size_t maxNameLength,
                       uint32_t& writer) {
  uint32_t foundWriter = 0;
  uint32_t attempt = 0;
  // Only the one name this writer and attempt give: nothing else is ours.
  if (!ReadSuffix(name, foundWriter, attempt) || attempt > kMaxTemporaryAttempt ||
      name != TemporaryName(finalName, foundWriter, attempt, maxNameLength)) {
    return false;
  }
  writer = foundWriter;
  return true;
}
