#include "Libraries/File/FileMoves.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
// A rename that refuses to replace an existing file, in one step where the
// file system allows it.
bool RenameNoReplace(const std::string& oldName, const std::string& newName) {
  if (::renameat2(AT_FDCWD, oldName.c_str(), AT_FDCWD, newName.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return false;
  }
  struct stat status {};
  if (::lstat(newName.c_str(), &status) == 0) {
    errno = EEXIST;
    return false;
  }
  return ::rename(oldName.c_str(), newName.c_str()) == 0;
}

bool CopyBytes(int from, int to) {
  return ReadBlocks(from, [to](const char* block, size_t size) {
    size_t done = 0;
    while (done < size) {
      const ssize_t put = ::write(to, block + done, size - done);
      if (put < 0) {
        if (errno == EINTR) {
          continue;
        }
        return false;
      }
      done += static_cast<size_t>(put);
    }
    return true;
  });
}
}  // namespace

void MyRenameFile(const std::string& oldName, const std::string& newName, bool overwrite) {
  PassingFunction("MyRenameFile", [&](TFunScope& Fun) {
    // A rename replaces an existing new name in one step, read-only or not;
    // the new name is never deleted first, so a rename that fails leaves it.
    Os::ClearLastError();
    const bool renamed = overwrite ? ::rename(oldName.c_str(), newName.c_str()) == 0
                                   : RenameNoReplace(oldName, newName);
    if (!renamed) {
      Fun.Fail("Failed to rename.", oldName, newName, Os::LastError());
    }
  });
}

bool CopyFileReplacing(const std::string& source, const std::string& destination) {
  const int from = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
  if (from < 0) {
    return false;
  }
  struct stat status {};
  const bool examined = ::fstat(from, &status) == 0;
  if (!examined || !S_ISREG(status.st_mode)) {
    const int error = examined ? EISDIR : errno;
    ::close(from);
    errno = error;
    return false;
  }
  std::string temporary = destination + ".copy-XXXXXX";
  const int to = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (to < 0) {
    const int error = errno;
    ::close(from);
    errno = error;
    return false;
  }
  errno = 0;
  bool copied = CopyBytes(from, to) && ::fchmod(to, status.st_mode & 0777) == 0;
  int error = copied ? 0 : errno;
  if (::close(to) != 0 && copied) {
    copied = false;
    error = errno;
  }
  ::close(from);
  if (copied) {
    if (::rename(temporary.c_str(), destination.c_str()) == 0) {
      return true;
    }
    error = errno;
  }
  ::unlink(temporary.c_str());
  errno = error;
  return false;
}

bool ForceDirectories(const std::string& folder) {
  if (folder.empty()) {
    return false;
  }
  struct stat status {};
  if (::stat(folder.c_str(), &status) == 0) {
    return S_ISDIR(status.st_mode);
  }
  std::string parent = folder;
  while (parent.size() > 1 && parent.back() == kPathDelimiter) {
    parent.pop_back();
  }
  parent = DirectoryOfPath(parent);
  if (!parent.empty() && parent != folder && !ForceDirectories(parent)) {
    return false;
  }
  return ::mkdir(folder.c_str(), 0755) == 0 || errno == EEXIST;
}
