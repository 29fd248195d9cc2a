// The instance lock: a Unix socket bound to a name in the abstract namespace,
// made of the lock's name and the user's id. Only one socket can hold a name;
// no file is involved, so no environment variable, folder or leftover file
// can give two processes of one user different locks, and the system frees
// the name when the last descriptor of its holder closes, even after a crash.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace Os {

namespace {
// The socket's name, without the leading byte 0 that marks the abstract
// namespace. Tests that stand in a home folder get a lock of their own.
std::string InstanceSocketName(const std::string& name) {
  std::string socketName = "glyphmason-instance/" + std::to_string(::getuid()) + "/" + name;
  if (!HomeForTesting().empty()) {
    socketName += "/" + HomeForTesting();
  }
  return socketName;
}
}  // namespace

TInstanceLock LockInstance(const std::string& name, int& handle) {
  handle = -1;
  const std::string socketName = InstanceSocketName(name);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (name.empty() || socketName.size() + 1 > sizeof address.sun_path) {
    errno = EINVAL;
    return TInstanceLock::Unavailable;
  }
  std::memcpy(address.sun_path + 1, socketName.data(), socketName.size());
  // The descriptor must not reach the programs this process starts: they
  // would hold the lock after it ends.
  const int descriptor = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (descriptor < 0) {
    return TInstanceLock::Unavailable;
  }
  const socklen_t length =
      static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + socketName.size());
  if (::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
    handle = descriptor;
    return TInstanceLock::Acquired;
  }
  const int error = errno;
  ::close(descriptor);
  errno = error;
  return error == EADDRINUSE ? TInstanceLock::HeldElsewhere : TInstanceLock::Unavailable;
}

void UnlockInstance(int handle) {
  if (handle >= 0) {
    ::close(handle);
  }
}

}  // namespace Os
