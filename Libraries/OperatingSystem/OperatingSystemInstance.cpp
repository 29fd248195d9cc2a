// The instance lock: an exclusive flock on a file private to the user's
// session. The system drops the lock when the last descriptor of its holder
// closes, so a crashed holder never leaves it behind.

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace Os {

namespace {
// In the session's runtime folder when there is one, else in /tmp with the
// user's id in the name, so that each user has a lock of their own.
std::string InstanceLockPath(const std::string& name) {
  const std::string runtime = SessionRuntimeFolder();
  if (!runtime.empty()) {
    ::mkdir(runtime.c_str(), 0700);  // exists already, except for tests
    return runtime + "/" + name + ".lock";
  }
  return "/tmp/" + name + "-" + std::to_string(::getuid()) + ".lock";
}
}  // namespace

TInstanceLock LockInstance(const std::string& name, int& handle) {
  handle = -1;
  if (name.empty() || name.find('/') != std::string::npos) {
    errno = EINVAL;
    return TInstanceLock::Unavailable;
  }
  // The descriptor must not reach the programs this process starts: they
  // would hold the lock after it ends.
  const int descriptor = ::open(InstanceLockPath(name).c_str(),
                                O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (descriptor < 0) {
    return TInstanceLock::Unavailable;
  }
  // In /tmp another user may have made the file first; theirs is not ours.
  struct stat status {};
  if (::fstat(descriptor, &status) != 0 || status.st_uid != ::getuid() ||
      !S_ISREG(status.st_mode)) {
    ::close(descriptor);
    errno = EACCES;
    return TInstanceLock::Unavailable;
  }
  int result;
  do {
    result = ::flock(descriptor, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) {
    handle = descriptor;
    return TInstanceLock::Acquired;
  }
  const int error = errno;
  ::close(descriptor);
  errno = error;
  return error == EWOULDBLOCK ? TInstanceLock::HeldElsewhere : TInstanceLock::Unavailable;
}

void UnlockInstance(int handle) {
  if (handle >= 0) {
    ::close(handle);
  }
}

}  // namespace Os
