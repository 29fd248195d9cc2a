#include "Libraries/File/TemporaryNames.h"

#include <string_view>

namespace {
constexpr std::string_view kMarker = ".tmp";
constexpr size_t kMaxStampDigits = 5;
constexpr size_t kMaxAttemptDigits = 2;

std::string Suffix(uint32_t stamp, unsigned attempt) {
  return std::string(kMarker) + std::to_string(stamp % (kMaxTemporaryStamp + 1)) + "-" +
         std::to_string(attempt % (kMaxTemporaryAttempt + 1));
}

// The number of decimal digits that end text before position end (at most
// limit of them); 0 when there are none or more than limit.
size_t DigitsBefore(const std::string& text, size_t end, size_t limit) {
  size_t count = 0;
  while (count < end && count <= limit && text[end - count - 1] >= '0' &&
         text[end - count - 1] <= '9') {
    ++count;
  }
  return count <= limit ? count : 0;
}

// Where the suffix ".tmp<stamp>-<attempt>" begins in name; npos without one.
size_t SuffixStart(const std::string& name) {
  const size_t attemptDigits = DigitsBefore(name, name.size(), kMaxAttemptDigits);
  if (attemptDigits == 0 || attemptDigits == name.size() ||
      name[name.size() - attemptDigits - 1] != '-') {
    return std::string::npos;
  }
  const size_t stampEnd = name.size() - attemptDigits - 1;
  const size_t stampDigits = DigitsBefore(name, stampEnd, kMaxStampDigits);
  const size_t stampStart = stampEnd - stampDigits;
  if (stampDigits == 0 || stampStart < kMarker.size() ||
      std::string_view(name).substr(stampStart - kMarker.size(), kMarker.size()) != kMarker) {
    return std::string::npos;
  }
  return stampStart - kMarker.size();
}
}  // namespace

std::string TemporaryName(const std::string& finalName, uint32_t stamp, unsigned attempt,
                          size_t maxNameLength) {
  const std::string suffix = Suffix(stamp, attempt);
  if (finalName.size() + suffix.size() <= maxNameLength || finalName.size() <= suffix.size()) {
    return finalName + suffix;
  }
  return finalName.substr(0, finalName.size() - suffix.size()) + suffix;
}

bool IsTemporaryNameOf(const std::string& name, const std::string& finalName,
                       size_t maxNameLength) {
  const size_t start = SuffixStart(name);
  if (start == std::string::npos) {
    return false;
  }
  const std::string_view stem = std::string_view(name).substr(0, start);
  if (stem == finalName) {
    return true;
  }
  // A name cut short: as long as the final name, which had no room for the suffix.
  const size_t longestSuffix = kMarker.size() + kMaxStampDigits + 1 + kMaxAttemptDigits;
  return name.size() == finalName.size() && finalName.size() + longestSuffix > maxNameLength &&
         std::string_view(finalName).substr(0, stem.size()) == stem;
}
