#include "Libraries/File/FileOperations.h"

#include <fcntl.h>
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
  if (path.empty() || ::lstat(path.c_str(), &status) != 0 || S_ISLNK(status.st_mode) ||
      (status.st_mode & S_IWUSR) != 0) {
    return;
  }
  // Never through a link, even one put in its place since it was looked at.
  ::fchmodat(AT_FDCWD, path.c_str(), (status.st_mode & 07777) | S_IWUSR, AT_SYMLINK_NOFOLLOW);
}

std::string FileKindProblem(const std::string& path) {
  struct stat status {};
  if (path.empty() || ::stat(path.c_str(), &status) != 0 || S_ISREG(status.st_mode)) {
    return {};
  }
  const char* kind = "something else";
  if (S_ISDIR(status.st_mode)) {
    kind = "a folder";
  } else if (S_ISFIFO(status.st_mode)) {
    kind = "a pipe";
  } else if (S_ISCHR(status.st_mode) || S_ISBLK(status.st_mode)) {
    kind = "a device";
  } else if (S_ISSOCK(status.st_mode)) {
    kind = "a socket";
  }
  return std::string("The path names ") + kind + ", not a file.";
}
