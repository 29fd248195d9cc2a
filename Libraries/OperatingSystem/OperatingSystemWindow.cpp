// The folders the main window and its file dialogs need.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace Os {

namespace {
// What the user's file-creation mask leaves of it, as for any new folder.
constexpr mode_t kFolderMode = 0777;
}  // namespace

bool CreateFolder(const std::string& path) {
  return ::mkdir(path.c_str(), kFolderMode) == 0;
}

TFolderStandIn::TFolderStandIn(const std::string& folder) {
  Descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (Descriptor < 0) {
    return;
  }
  // The process's own view of its open files names the folder by number.
  const std::string path = "/proc/self/fd/" + std::to_string(Descriptor);
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    StandInPath = path;
  }
}

TFolderStandIn::~TFolderStandIn() {
  if (Descriptor >= 0) {
    ::close(Descriptor);
  }
}

}  // namespace Os
