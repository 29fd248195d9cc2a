#include "Libraries/Text/Translation.h"

#include <vector>

namespace {

// English plural of a "(s)" text: "(s)" drops for one and is "s" otherwise.
std::string EnglishCount(std::string_view text, int count) {
  const std::string_view marker = "(s)";
  std::string result;
  for (size_t at = 0; at < text.size(); ++at) {
    if (text.substr(at, marker.size()) == marker) {
      if (count != 1) result += 's';
      at += marker.size() - 1;
    } else {
      result += text[at];
    }
  }
  return result;
}

std::string WithCount(const std::string& text, int count) {
  std::string result;
  const std::string number = std::to_string(count);
  for (size_t at = 0; at < text.size(); ++at) {
    if (text[at] == '%' && at + 1 < text.size() && text[at + 1] == 'n') {
      result += number;
      ++at;
    } else {
      result += text[at];
    }
  }
  return result;
}

}  // namespace

std::string Translated(const char* context, const char* source, const char* disambiguation, int count) {
  std::string text;
  if (ITranslator* translator = TranslatorSeam::Current()) {
    text = translator->Translate(context, source, disambiguation, count);
  }
  if (text.empty()) {
    text = count >= 0 ? EnglishCount(source, count) : std::string(source);
  }
  return count >= 0 ? WithCount(text, count) : text;
}

std::string FilledIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
  const std::vector<std::string_view> byNumber(values);
  std::string result;
  result.reserve(pattern.size());
  for (size_t at = 0; at < pattern.size(); ++at) {
    if (pattern[at] == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' && pattern[at + 1] <= '9') {
      const size_t index = static_cast<size_t>(pattern[at + 1] - '1');
      if (index < byNumber.size()) {
        result += byNumber[index];
        ++at;
        continue;
      }
    }
    result += pattern[at];
  }
  return result;
}
