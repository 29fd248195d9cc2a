#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace Os {

bool ListFolder(const std::string& folder, std::vector<std::string>& names) {
  names.clear();
  DIR* scan = ::opendir(folder.c_str());
  if (scan == nullptr) {
    return false;
  }
  for (;;) {
    errno = 0;
    const dirent* entry = ::readdir(scan);
    if (entry == nullptr) {
      break;
    }
    const std::string name = entry->d_name;
    if (name != "." && name != "..") {
      names.push_back(name);
    }
  }
  const int error = errno;
  ::closedir(scan);
  errno = error;
  return error == 0;
}

bool IsRegularFile(const std::string& path) {
  struct stat status {};
  return ::lstat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

bool RemoveEmptyFolder(const std::string& folder) {
  return ::rmdir(folder.c_str()) == 0;
}

size_t MaxFileNameLength(const std::string& folder) {
  constexpr size_t kUsualLimit = 255;
  const int error = errno;
  const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  errno = error;  // a question, not a call whose failure is reported
  return limit > 0 ? static_cast<size_t>(limit) : kUsualLimit;
}

}  // namespace Os
