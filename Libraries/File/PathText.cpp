#include "Libraries/File/PathText.h"

std::string IncludeSlashIfNotEmpty(const std::string& path) {
  if (path.empty() || path.back() == kPathDelimiter) {
    return path;
  }
  return path + kPathDelimiter;
}

std::string DirectoryOfPath(const std::string& path) {
  const size_t last = path.rfind(kPathDelimiter);
  return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string NameOfPath(const std::string& path) {
  const size_t last = path.rfind(kPathDelimiter);
  return last == std::string::npos ? path : path.substr(last + 1);
}
