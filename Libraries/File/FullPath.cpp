#include "Libraries/File/FullPath.h"

#include <sys/stat.h>

#include <filesystem>
#include <system_error>

std::string LongPathName(const std::string& path) { return path; }

std::string FullLongPath(const std::string& path) {
  if (path.empty()) {
    return {};
  }
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) {
    return LongPathName(path);
  }
  return LongPathName(absolute.lexically_normal().string());
}

std::string FullNetworkPath(const std::string& path) { return FullLongPath(path); }

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  if (::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0) {
    return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
  }
  return FullNetworkPath(a) == FullNetworkPath(b);
}
