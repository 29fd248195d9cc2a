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

std::string PathWithoutExtension(const std::string& path) {
  const size_t dot = path.rfind('.');
  const size_t last = path.rfind(kPathDelimiter);
  if (dot == std::string::npos || (last != std::string::npos && dot < last)) {
    return path;
  }
  return path.substr(0, dot);
}

namespace {
bool IsAnySeparator(char c) { return c == '/' || c == '\\'; }
}  // namespace

bool IsContainedRelativePath(const std::string& path) {
  if (path.empty() || IsAnySeparator(path.front()) || path.find(':') != std::string::npos) {
    return false;
  }
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = start;
    while (end < path.size() && !IsAnySeparator(path[end])) {
      ++end;
    }
    if (path.compare(start, end - start, "..") == 0) {
      return false;
    }
    start = end + 1;
  }
  return true;
}

bool IsPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") {
    return false;
  }
  for (const char c : name) {
    if (IsAnySeparator(c) || c == ':') {
      return false;
    }
  }
  return true;
}

std::string WithSystemSeparators(const std::string& relativePath) {
  std::string path = relativePath;
  for (char& c : path) {
    if (c == '\\') {
      c = kPathDelimiter;
    }
  }
  return path;
}
