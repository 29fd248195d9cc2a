#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <stdio.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <system_error>

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace Os {

namespace {
TFileKind KindOf(mode_t mode) {
  if (S_ISREG(mode)) {
    return TFileKind::Regular;
  }
  if (S_ISDIR(mode)) {
    return TFileKind::Folder;
  }
  if (S_ISLNK(mode)) {
    return TFileKind::Link;
  }
  if (S_ISFIFO(mode)) {
    return TFileKind::Pipe;
  }
  if (S_ISCHR(mode) || S_ISBLK(mode)) {
    return TFileKind::Device;
  }
  return S_ISSOCK(mode) ? TFileKind::Socket : TFileKind::Other;
}

TFileStatus StatusOf(int result, const struct stat& status) {
  TFileStatus file;
  if (result == 0) {
    file.Kind = KindOf(status.st_mode);
    file.Mode = status.st_mode & 07777;
    file.Device = status.st_dev;
    file.Inode = status.st_ino;
    file.Size = status.st_size;
    file.ModifiedNanoseconds =
        static_cast<int64_t>(status.st_mtim.tv_sec) * 1000000000 + status.st_mtim.tv_nsec;
    file.ChangedNanoseconds =
        static_cast<int64_t>(status.st_ctim.tv_sec) * 1000000000 + status.st_ctim.tv_nsec;
    file.Owner = status.st_uid;
  }
  return file;
}

// Keeps the last system error of the failing step across the clean-up calls.
bool FailWith(int error) {
  errno = error;
  return false;
}

bool WriteAll(int to, const char* bytes, size_t size) {
  size_t done = 0;
  while (done < size) {
    const ssize_t put = ::write(to, bytes + done, size - done);
    if (put < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    done += static_cast<size_t>(put);
  }
  return true;
}

bool CopyBytes(int from, int to) {
  return ReadBlocks(from,
                    [to](const char* block, size_t size) { return WriteAll(to, block, size); });
}

// Reads the open folder's entries; the scan closes the descriptor it gets.
bool ReadEntries(DIR* scan, std::vector<std::string>& names) {
  names.clear();
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
}  // namespace

bool ReadBlocks(int descriptor, const std::function<bool(const char*, size_t)>& take) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
    if (got == 0) {
      return true;
    }
    if (got < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    if (!take(buffer, static_cast<size_t>(got))) {
      return false;
    }
  }
}

int64_t FileClockNanoseconds() {
  timespec now{};
  ::clock_gettime(CLOCK_REALTIME, &now);
  return static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
}

uint32_t UserId() {
  return ::getuid();
}

uint32_t ProcessId() {
  return static_cast<uint32_t>(::getpid());
}

bool ProcessRuns(uint32_t id) {
  // 0 and negative numbers name process groups, not one process.
  if (id == 0 || id > static_cast<uint32_t>(INT_MAX)) {
    return true;
  }
  const int error = errno;
  const bool gone = ::kill(static_cast<pid_t>(id), 0) != 0 && errno == ESRCH;
  errno = error;
  return !gone;
}

TFileStatus PathStatus(const std::string& path) {
  struct stat status {};
  return StatusOf(::stat(path.c_str(), &status), status);
}

TFileStatus LinkStatus(const std::string& path) {
  struct stat status {};
  return StatusOf(::lstat(path.c_str(), &status), status);
}

int64_t OpenFileSize(int descriptor) {
  struct stat status {};
  return ::fstat(descriptor, &status) == 0 ? static_cast<int64_t>(status.st_size) : -1;
}

int OpenForReading(const std::string& path) {
  return ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
}

TFileStatus OpenFileStatus(int descriptor) {
  struct stat status {};
  return StatusOf(::fstat(descriptor, &status), status);
}

void CloseFile(int descriptor) {
  const int error = errno;
  ::close(descriptor);
  errno = error;
}

bool IsExecutableByUser(const std::string& path) {
  return ::access(path.c_str(), X_OK) == 0;
}

bool SetModeNoFollow(const std::string& path, uint32_t mode) {
  return ::fchmodat(AT_FDCWD, path.c_str(), mode & 07777, AT_SYMLINK_NOFOLLOW) == 0;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? std::string() : absolute.lexically_normal().string();
}

std::string CanonicalPath(const std::string& path) {
  std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                       &std::free);
  return resolved ? std::string(resolved.get()) : std::string();
}

std::string WeaklyCanonicalPath(const std::string& path) {
  std::error_code error;
  const std::string resolved = std::filesystem::weakly_canonical(path, error).string();
  return error ? std::string() : resolved;
}

bool RenameFileNoReplace(const std::string& from, const std::string& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS) {
    return false;
  }
  struct stat status {};
  if (::lstat(to.c_str(), &status) == 0) {
    return FailWith(EEXIST);
  }
  return ::rename(from.c_str(), to.c_str()) == 0;
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
    return FailWith(error);
  }
  std::string temporary = destination + ".copy-XXXXXX";
  const int to = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (to < 0) {
    const int error = errno;
    ::close(from);
    return FailWith(error);
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
  return FailWith(error);
}

bool MakeFolder(const std::string& folder, uint32_t mode) {
  return ::mkdir(folder.c_str(), mode & 07777) == 0;
}

bool RemoveEmptyFolder(const std::string& folder) {
  return ::rmdir(folder.c_str()) == 0;
}

bool ReadLink(const std::string& path, std::string& target) {
  char buffer[PATH_MAX];
  const ssize_t length = ::readlink(path.c_str(), buffer, sizeof buffer);
  if (length < 0 || static_cast<size_t>(length) >= sizeof buffer) {
    return length < 0 ? false : FailWith(ENAMETOOLONG);
  }
  target.assign(buffer, static_cast<size_t>(length));
  return true;
}

bool MakeLink(const std::string& target, const std::string& path) {
  return ::symlink(target.c_str(), path.c_str()) == 0;
}

bool ListFolder(const std::string& folder, std::vector<std::string>& names) {
  names.clear();
  DIR* scan = ::opendir(folder.c_str());
  return scan != nullptr && ReadEntries(scan, names);
}

size_t MaxFileNameLength(const std::string& folder) {
  constexpr size_t kUsualLimit = 255;
  const int error = errno;
  const long limit = ::pathconf(folder.empty() ? "." : folder.c_str(), _PC_NAME_MAX);
  errno = error;  // a question, not a call whose failure is reported
  return limit > 0 ? static_cast<size_t>(limit) : kUsualLimit;
}

TOpenFolder::~TOpenFolder() {
  if (Descriptor >= 0) {
    ::close(Descriptor);
  }
}

bool TOpenFolder::Open(const TOpenFolder* parent, const std::string& name) {
  Descriptor = ::openat(parent != nullptr ? parent->Descriptor : AT_FDCWD, name.c_str(),
                        O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  return Descriptor >= 0;
}

TFileStatus TOpenFolder::EntryStatus(const std::string& name) const {
  struct stat status {};
  return StatusOf(::fstatat(Descriptor, name.c_str(), &status, AT_SYMLINK_NOFOLLOW), status);
}

bool TOpenFolder::RemoveEntry(const std::string& name, bool folder) {
  return ::unlinkat(Descriptor, name.c_str(), folder ? AT_REMOVEDIR : 0) == 0;
}

bool TOpenFolder::Entries(std::vector<std::string>& names) {
  names.clear();
  // The scan takes a descriptor of its own, so this one stays usable.
  const int copy = ::dup(Descriptor);
  DIR* scan = copy < 0 ? nullptr : ::fdopendir(copy);
  if (scan == nullptr) {
    if (copy >= 0) {
      ::close(copy);
    }
    return false;
  }
  ::rewinddir(scan);
  return ReadEntries(scan, names);
}

bool TOpenFolder::SetMode(uint32_t mode) {
  return ::fchmod(Descriptor, mode & 07777) == 0;
}

}  // namespace Os
