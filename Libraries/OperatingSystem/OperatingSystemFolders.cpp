// The user's folders of the XDG base and user directories.

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace Os {

namespace {
std::string& TestHome() {
  static std::string folder;
  return folder;
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') {
    path.pop_back();
  }
  return path;
}

// An environment folder; the XDG rules ignore values that are not absolute.
std::string AbsoluteEnvironmentFolder(const char* variable) {
  if (!TestHome().empty()) {
    return {};
  }
  const char* value = std::getenv(variable);
  if (value == nullptr || value[0] != '/') {
    return {};
  }
  return WithoutTrailingSlashes(value);
}

std::string DataHome() {
  const std::string folder = AbsoluteEnvironmentFolder("XDG_DATA_HOME");
  return folder.empty() ? HomeFolder() + "/.local/share" : folder;
}

std::string ConfigHome() {
  const std::string folder = AbsoluteEnvironmentFolder("XDG_CONFIG_HOME");
  return folder.empty() ? HomeFolder() + "/.config" : folder;
}

// The value of XDG_<name>_DIR in user-dirs.dirs: a quoted "$HOME/..." or
// absolute path. Empty when the file or the line is missing or malformed.
std::string UserDirectory(const std::string& name) {
  std::ifstream file(ConfigHome() + "/user-dirs.dirs");
  const std::string key = "XDG_" + name + "_DIR=\"";
  std::string line;
  std::string found;
  while (std::getline(file, line)) {
    if (line.compare(0, key.size(), key) != 0 || line.size() < key.size() + 1 ||
        line.back() != '"') {
      continue;
    }
    std::string value = line.substr(key.size(), line.size() - key.size() - 1);
    if (value.compare(0, 5, "$HOME") == 0 && (value.size() == 5 || value[5] == '/')) {
      value = HomeFolder() + value.substr(5);
    } else if (value.empty() || value[0] != '/') {
      continue;
    }
    // The file is read by shells, so a later line wins.
    found = WithoutTrailingSlashes(value);
  }
  return found;
}
}  // namespace

std::string HomeFolder() {
  if (!TestHome().empty()) {
    return TestHome();
  }
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') {
    return WithoutTrailingSlashes(home);
  }
  if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
    return WithoutTrailingSlashes(entry->pw_dir);
  }
  return "/";
}

std::string DesktopFolder() {
  const std::string folder = UserDirectory("DESKTOP");
  return folder.empty() ? HomeFolder() + "/Desktop" : folder;
}

std::string ApplicationsMenuFolder() { return DataHome() + "/applications"; }

std::string AutostartFolder() { return ConfigHome() + "/autostart"; }

std::string UserProgramsFolder() { return HomeFolder() + "/.local/opt"; }

std::string UninstallEntriesFolder() { return DataHome() + "/uninstall"; }

void SetHomeForTesting(const std::string& folder) { TestHome() = WithoutTrailingSlashes(folder); }

const std::string& HomeForTesting() { return TestHome(); }

}  // namespace Os
