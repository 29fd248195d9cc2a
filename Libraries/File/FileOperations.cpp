#include "Libraries/File/FileOperations.h"

#include <sys/stat.h>

bool FileExists(const std::string& path) {
  if (path.empty()) {
    return false;
  }
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0;
}

bool IsReadOnly(const std::string& path) {
  struct stat status {};
  return !path.empty() && ::stat(path.c_str(), &status) == 0 && (status.st_mode & S_IWUSR) == 0;
}

void ClearReadOnly(const std::string& path) {
  struct stat status {};
  if (path.empty() || ::stat(path.c_str(), &status) != 0 || (status.st_mode & S_IWUSR) != 0) {
    return;
  }
  ::chmod(path.c_str(), (status.st_mode & 07777) | S_IWUSR);
}
