#include "session/GameFileNames.h"

#include "Libraries/File/PathText.h"
#include "Libraries/Text/Cp1252.h"

namespace {
constexpr const char* kGameExtension = ".GMG";
constexpr const char* kSavedGameExtension = ".gmg";

// The text from the last dot of the file name on.
std::string ExtensionOf(const std::string& path) {
  const std::string name = NameOfPath(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}
}  // namespace

bool HasGameExtension(const std::string& path) {
  return UpperCaseCp1252(ExtensionOf(path)) == kGameExtension;
}

std::string WithGameExtension(const std::string& path) {
  if (HasGameExtension(path)) {
    return path;
  }
  const bool endsInDot = !path.empty() && path.back() == '.' && !NameOfPath(path).empty();
  return (endsInDot ? path.substr(0, path.size() - 1) : path) + kSavedGameExtension;
}
