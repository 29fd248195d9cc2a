#include "Libraries/File/DirectoryTree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <system_error>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileMoves.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/PathText.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
constexpr uint32_t kMbOkCancel = 1;

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == kPathDelimiter) {
    path.pop_back();
  }
  return path;
}

bool IsDotEntry(const char* name) {
  return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// Deletes the entry name of the open folder parent, with path as its full
// name for the report. Every level works through descriptors, so a folder
// swapped for a link while the tree is deleted is not followed either.
void DeleteTreeAt(int parent, const std::string& name, const std::string& path) {
  PassingFunction("DeleteDirectoryNoErrors", [&](TFunScope& Fun) {
    struct stat status {};
    if (::fstatat(parent, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        !S_ISDIR(status.st_mode)) {
      ::unlinkat(parent, name.c_str(), 0);  // a link (or file) goes, its target stays
      return;
    }
    Os::ClearLastError();
    const int folder =
        ::openat(parent, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR* scan = folder < 0 ? nullptr : ::fdopendir(folder);
    if (scan == nullptr) {
      if (folder >= 0) {
        ::close(folder);
      }
      Fun.Fail("Can not find directory.", path);
    } else {
      // Entries of a folder without write permission cannot be removed.
      if ((status.st_mode & S_IWUSR) == 0) {
        ::fchmod(folder, (status.st_mode & 07777) | S_IRWXU);
      }
      for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(scan);
        if (entry == nullptr) {
          if (errno != 0) {
            Fun.Fail("Failed to delete directory content.", path);
          }
          break;
        }
        if (IsDotEntry(entry->d_name)) {
          continue;
        }
        const std::string child = entry->d_name;
        struct stat childStatus {};
        if (::fstatat(folder, child.c_str(), &childStatus, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISDIR(childStatus.st_mode)) {
          DeleteTreeAt(folder, child, IncludeSlashIfNotEmpty(path) + child);
        } else {
          ::unlinkat(folder, child.c_str(), 0);
        }
      }
      ::closedir(scan);
    }
    ::unlinkat(parent, name.c_str(), AT_REMOVEDIR);
  });
}

void ShowProcessDirectoryFailure() {
  if (IMessageBoxes* boxes = MessageBoxesSeam::Current()) {
    boxes->MessageBox("Error", "Failed to process directory.", kMbOkCancel | kMbIconHand);
  }
}

// A copy of the link itself, replacing a file or link of that name.
void CopyLink(const std::string& source, const std::string& destination) {
  char target[PATH_MAX];
  const ssize_t length = ::readlink(source.c_str(), target, sizeof target - 1);
  if (length < 0) {
    return;
  }
  target[length] = '\0';
  struct stat existing {};
  if (::lstat(destination.c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) {
      return;
    }
    ::unlink(destination.c_str());
  }
  ::symlink(target, destination.c_str());
}

void CopyFileOver(const std::string& source, const std::string& destination) {
  struct stat existing {};
  if (::lstat(destination.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
    ClearReadOnly(destination);
  }
  CopyFileReplacing(source, destination);
}

// The destination folder of one level: made when missing. Below the top
// level an existing entry must be a real folder, not a link to one.
bool MakeDestinationFolder(const std::string& destination, mode_t mode, bool nested) {
  const std::string folder = WithoutTrailingSlashes(destination);
  struct stat existing {};
  const int found = nested ? ::lstat(folder.c_str(), &existing) : ::stat(folder.c_str(), &existing);
  if (found == 0) {
    if (S_ISDIR(existing.st_mode)) {
      return true;
    }
    errno = ENOTDIR;
    return false;
  }
  // The chosen target folder may not be there yet; the folders in it are.
  const std::string parent = DirectoryOfPath(folder);
  if (!nested && !parent.empty() && !ForceDirectories(parent)) {
    return false;
  }
  // The owner must be able to fill it, whatever the source folder allows.
  return ::mkdir(folder.c_str(), (mode & 0777) | S_IRWXU) == 0;
}

// True when destination is source itself or lies somewhere below it: the
// copy would then find its own output and descend into it without end.
bool IsInsideOf(const std::string& destination, const std::string& source) {
  std::error_code error;
  const std::string inner = std::filesystem::weakly_canonical(destination, error).string();
  const std::string outer = error ? std::string() : std::filesystem::canonical(source, error).string();
  if (error || outer.empty()) {
    return false;
  }
  const std::string prefix = IncludeSlashIfNotEmpty(outer);
  return inner == outer || inner.compare(0, prefix.size(), prefix) == 0;
}

void CopyTree(const std::string& source, const std::string& destination,
              const std::vector<std::string>& keepExistingNames, bool nested) {
  PassingFunction("CopyDeleteDirectory", [&](TFunScope& Fun) {
    if (destination.empty()) {
      Fun.Fail("Empty destination name.", source, destination, 0);
      ShowProcessDirectoryFailure();
      return;
    }
    if (!nested && IsInsideOf(destination, source)) {
      Fun.Fail("Destination lies inside the source directory.", source, destination, 0);
      ShowProcessDirectoryFailure();
      return;
    }
    struct stat sourceStatus {};
    if (::stat(source.c_str(), &sourceStatus) != 0) {
      sourceStatus.st_mode = 0755;
    }
    Os::ClearLastError();
    if (!MakeDestinationFolder(destination, sourceStatus.st_mode, nested)) {
      Fun.Fail("Failed to create directory.", source, destination, Os::LastError());
      ShowProcessDirectoryFailure();
      return;
    }
    Os::ClearLastError();
    DIR* scan = ::opendir(source.c_str());
    if (scan == nullptr) {
      Fun.Fail("Failed to find first file.", source, destination, Os::LastError());
      ShowProcessDirectoryFailure();
      return;
    }
    const std::string from = IncludeSlashIfNotEmpty(source);
    const std::string to = IncludeSlashIfNotEmpty(destination);
    while (const dirent* entry = ::readdir(scan)) {
      const std::string name = entry->d_name;
      if (name.empty() || name[0] == '.') {
        continue;  // ".", ".." and the hidden files
      }
      struct stat status {};
      if (::lstat((from + name).c_str(), &status) != 0) {
        continue;
      }
      if (S_ISDIR(status.st_mode)) {
        CopyTree(from + name, to + name, {}, true);
      } else if (S_ISLNK(status.st_mode)) {
        CopyLink(from + name, to + name);
      } else if (S_ISREG(status.st_mode)) {
        if (std::find(keepExistingNames.begin(), keepExistingNames.end(), name) !=
                keepExistingNames.end() &&
            FileExists(to + name)) {
          continue;
        }
        CopyFileOver(from + name, to + name);
      }
    }
    ::closedir(scan);
  });
}
}  // namespace

void DeleteDirectoryNoErrors(const std::string& directory) {
  DeleteTreeAt(AT_FDCWD, WithoutTrailingSlashes(directory), directory);
}

void CopyDeleteDirectory(const std::string& source, const std::string& destination,
                         const std::string& keepExistingName) {
  CopyDeleteDirectoryKeeping(source, destination,
                             keepExistingName.empty() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{keepExistingName});
}

void CopyDeleteDirectoryKeeping(const std::string& source, const std::string& destination,
                                const std::vector<std::string>& keepExistingNames) {
  CopyTree(source, destination, keepExistingNames, false);
}
