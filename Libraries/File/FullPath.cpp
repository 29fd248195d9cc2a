#include "Libraries/File/FullPath.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
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

std::string CanonicalPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                       &std::free);
  return resolved ? std::string(resolved.get()) : std::string();
}

std::string ResolveLinkWithin(const std::string& path, const std::vector<std::string>& folders) {
  struct stat status {};
  if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
    return path;
  }
  const std::string target = CanonicalPath(path);
  if (target.empty()) {
    return {};
  }
  for (const std::string& folder : folders) {
    std::string inside = CanonicalPath(folder);
    if (inside.empty()) {
      continue;
    }
    if (inside.back() != '/') {
      inside += '/';
    }
    if (target.compare(0, inside.size(), inside) == 0) {
      return target;
    }
  }
  return {};
}
