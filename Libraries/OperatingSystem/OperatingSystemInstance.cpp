// The instance lock has two parts. The guard is a file lock (flock) on a
// file in the user's runtime folder: that folder is the user's alone, so no
// other account can take or block the lock, and the system frees it when
// the last descriptor of its holder closes, even after a crash.
//
// Beside it the holder listens on a Unix socket bound to a name in the
// abstract namespace, made of the lock's name and the user's id. A later
// start looks there first: it reaches the holder whatever its environment
// (a start that sees another runtime folder still meets the running game),
// and may leave a request, a few bytes written at once before it closes,
// which the holder takes when the listening socket turns readable, and only
// from a process of its own user.
//
// Abstract names have no owner: any account of the machine may bind any
// name. A bound name therefore counts as the user's only when its socket
// answers and the system vouches that it belongs to this user. A name that
// another account holds is passed over for the next of a short fixed row of
// names derived from it, and a start looks for its user's holder on every
// name of the row before it takes one. Where no runtime folder can be used,
// the socket names alone guard the game, as far as names that others can
// take allow.

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace Os {

namespace {
// The lock's own name and the derived names "/1" to "/4" after it.
constexpr int kLockNames = 5;
// A holder between its bind and its listen refuses connections for a
// moment: a silent name is looked at this many times, this far apart,
// before it counts as not held by this user.
constexpr int kAnswerLooks = 5;
constexpr std::chrono::milliseconds kAnswerPause{20};
// How long the holder waits for a whole request once its sender has
// connected: the sender writes it at once, so this is never reached but by a
// stall.
constexpr std::chrono::milliseconds kRequestWait{100};

// The socket's name, without the leading byte 0 that marks the abstract
// namespace. Tests that stand in a home folder get a lock of their own.
std::string InstanceSocketName(const std::string& name) {
  std::string socketName = "glyphmason-instance/" + std::to_string(::getuid()) + "/" + name;
  if (!HomeForTesting().empty()) {
    socketName += "/" + HomeForTesting();
  }
  return socketName;
}

struct TAbstractAddress {
  sockaddr_un Address{};
  socklen_t Length = 0;
};

// False when the name does not fit into a socket address.
bool MakeAbstractAddress(const std::string& socketName, TAbstractAddress& result) {
  result.Address.sun_family = AF_UNIX;
  if (socketName.size() + 1 > sizeof result.Address.sun_path) {
    return false;
  }
  std::memcpy(result.Address.sun_path + 1, socketName.data(), socketName.size());
  result.Length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + socketName.size());
  return true;
}

// The addresses of the row of names, the lock's own first; false when one
// does not fit into a socket address.
bool MakeAddressRow(const std::string& name, std::vector<TAbstractAddress>& row) {
  const std::string socketName = InstanceSocketName(name);
  row.assign(kLockNames, {});
  for (int index = 0; index < kLockNames; ++index) {
    const std::string indexed = index == 0 ? socketName : socketName + "/" + std::to_string(index);
    if (!MakeAbstractAddress(indexed, row[index])) {
      return false;
    }
  }
  return true;
}

// What a connected process sent until it closed its end, cut at
// kMaxInstanceRequest bytes; what came in time when it stalls.
std::string ReadRequest(int descriptor) {
  const auto deadline = std::chrono::steady_clock::now() + kRequestWait;
  std::string request;
  char buffer[kMaxInstanceRequest];
  while (request.size() < kMaxInstanceRequest) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd waiting{descriptor, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&waiting, 1, static_cast<int>(left.count())) != 1) {
      break;
    }
    const ssize_t got = ::recv(descriptor, buffer, kMaxInstanceRequest - request.size(), 0);
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got <= 0) {
      break;  // the sender closed its end, or the connection failed
    }
    request.append(buffer, static_cast<size_t>(got));
  }
  return request;
}

const sockaddr* AsSocketAddress(const TAbstractAddress& address) {
  return reinterpret_cast<const sockaddr*>(&address.Address);
}

void CloseKeepingError(int descriptor) {
  const int error = errno;
  ::close(descriptor);
  errno = error;
}

// True when the process at the other end of the connected socket runs as
// this user, as the system recorded it when that end was made.
bool PeerIsThisUser(int descriptor) {
  ucred peer{};
  socklen_t length = sizeof peer;
  return ::getsockopt(descriptor, SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
         peer.uid == ::geteuid();
}

// The user's runtime folder when it is a folder of this user that no other
// account may enter: $XDG_RUNTIME_DIR, else the system's /run/user/<uid>;
// under a stand-in home, that home. Empty when there is none.
std::string PrivateRuntimeFolder() {
  std::vector<std::string> candidates;
  if (!HomeForTesting().empty()) {
    candidates.push_back(HomeForTesting());
  } else {
    if (const char* variable = std::getenv("XDG_RUNTIME_DIR");
        variable != nullptr && variable[0] == '/') {
      candidates.emplace_back(variable);
    }
    candidates.push_back("/run/user/" + std::to_string(::getuid()));
  }
  for (const std::string& folder : candidates) {
    struct stat status {};
    if (::stat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
        status.st_uid == ::geteuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0) {
      return folder;
    }
  }
  return {};
}

enum class TFileLock {
  Taken,    // this process holds it now
  Held,     // another process holds it
  Missing,  // no private runtime folder, or no lock file could be had there
};

// Takes the lock file of the name in the private runtime folder without
// waiting. The file is made when missing and never removed: removing it
// would let a later start lock a new file beside a holder of the old one.
TFileLock TakeFileLock(const std::string& name, int& descriptor) {
  descriptor = -1;
  const std::string folder = PrivateRuntimeFolder();
  if (folder.empty() || name.find('/') != std::string::npos) {
    return TFileLock::Missing;
  }
  const std::string path = folder + "/glyphmason-instance-" + name + ".lock";
  // Not inherited by the programs this process starts: they would hold the
  // lock after it ends.
  const int file =
      ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
  if (file < 0) {
    return TFileLock::Missing;
  }
  struct stat status {};
  if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode) || status.st_uid != ::geteuid()) {
    ::close(file);
    return TFileLock::Missing;
  }
  while (::flock(file, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) {
      continue;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(file);
    return held ? TFileLock::Held : TFileLock::Missing;
  }
  descriptor = file;
  return TFileLock::Taken;
}

enum class TNameLook {
  Taken,      // this process holds the name now
  OurHolder,  // another process of this user holds it
  Stranger,   // another account holds it
  Busy,       // its holder listens, but so many wait that it takes no more
  Silent,     // bound, or just free, but nobody answers
  Failed,     // no socket could be made; errno tells why
};

// A socket that never reaches the programs this process starts (they would
// hold the name after it ends) and never blocks (a holder that takes no
// connections must not stop a start).
int InstanceSocket() {
  return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
}

// Asks who holds the name, through the fresh socket, which it closes; the
// request (when not empty) is left with a holder of this user.
TNameLook AskHolder(int descriptor, const TAbstractAddress& address, const std::string& request) {
  TNameLook look = TNameLook::Silent;
  if (::connect(descriptor, AsSocketAddress(address), address.Length) == 0) {
    look = PeerIsThisUser(descriptor) ? TNameLook::OurHolder : TNameLook::Stranger;
  } else if (errno == EAGAIN) {
    look = TNameLook::Busy;
  }
  if (look == TNameLook::OurHolder && !request.empty()) {
    // The holder may have ended meanwhile: the request is lost with it. A
    // request this short fits into the socket's buffer at once.
    ::send(descriptor, request.data(), std::min(request.size(), kMaxInstanceRequest),
           MSG_NOSIGNAL);
  }
  ::close(descriptor);
  return look;
}

// One attempt at a name: bind it and listen there, else ask who holds it.
TNameLook LookAtName(const TAbstractAddress& address, const std::string& request, int& handle) {
  const int descriptor = InstanceSocket();
  if (descriptor < 0) {
    return TNameLook::Failed;
  }
  if (::bind(descriptor, AsSocketAddress(address), address.Length) == 0) {
    // Every start waiting at once is queued, so that none reads a busy
    // holder as gone.
    if (::listen(descriptor, SOMAXCONN) != 0) {
      CloseKeepingError(descriptor);
      return TNameLook::Failed;
    }
    handle = descriptor;
    return TNameLook::Taken;
  }
  if (errno != EADDRINUSE) {
    CloseKeepingError(descriptor);
    return TNameLook::Failed;
  }
  return AskHolder(descriptor, address, request);
}

// A silent name is looked at again a few times: its holder may be between
// its bind and its listen, or may just have ended and left the name free.
TNameLook LookUntilAnswered(const TAbstractAddress& address, const std::string& request,
                            int& handle) {
  TNameLook look = LookAtName(address, request, handle);
  for (int again = 1; look == TNameLook::Silent && again < kAnswerLooks; ++again) {
    std::this_thread::sleep_for(kAnswerPause);
    look = LookAtName(address, request, handle);
  }
  return look;
}

// Looks for a holder of this user on every name of the row, without taking
// any, and leaves the request with the first one found: OurHolder then;
// Busy when none was found but a name's holder took no more connections.
TNameLook FindOurHolder(const std::vector<TAbstractAddress>& row, const std::string& request) {
  TNameLook found = TNameLook::Silent;
  for (const TAbstractAddress& address : row) {
    const int descriptor = InstanceSocket();
    if (descriptor < 0) {
      return TNameLook::Failed;
    }
    const TNameLook look = AskHolder(descriptor, address, request);
    if (look == TNameLook::OurHolder) {
      return look;
    }
    if (look == TNameLook::Busy) {
      found = look;
    }
  }
  return found;
}

// Takes the first name of the row that is free, or meets a holder of this
// user on one; guarded tells whether this process holds the file lock.
TInstanceLock TakeName(const std::vector<TAbstractAddress>& row, bool guarded,
                       const std::string& request, int& requests) {
  for (const TAbstractAddress& address : row) {
    switch (LookUntilAnswered(address, request, requests)) {
      case TNameLook::Taken:
        return TInstanceLock::Acquired;
      case TNameLook::OurHolder:
        return TInstanceLock::HeldElsewhere;
      case TNameLook::Busy:
        // Without the file lock, a holder too busy to answer may be this
        // user's: counting it as gone would start a second game.
        if (!guarded) {
          return TInstanceLock::HeldElsewhere;
        }
        break;
      case TNameLook::Failed:
        // The file lock still guards the game; only requests cannot reach it.
        return guarded ? TInstanceLock::Acquired : TInstanceLock::Unavailable;
      case TNameLook::Stranger:
      case TNameLook::Silent:
        break;
    }
  }
  // Every name is held by others: only the file lock, if any, guards the game.
  if (guarded) {
    return TInstanceLock::Acquired;
  }
  errno = EADDRINUSE;
  return TInstanceLock::Unavailable;
}
}  // namespace

TInstanceLock LockInstance(const std::string& name, TInstanceHandle& handle,
                           const std::string& request) {
  handle = {};
  std::vector<TAbstractAddress> row;
  if (name.empty() || !MakeAddressRow(name, row)) {
    errno = EINVAL;
    return TInstanceLock::Unavailable;
  }
  const TNameLook running = FindOurHolder(row, request);
  if (running == TNameLook::OurHolder) {
    return TInstanceLock::HeldElsewhere;
  }
  switch (TakeFileLock(name, handle.LockFile)) {
    case TFileLock::Held:
      return TInstanceLock::HeldElsewhere;
    case TFileLock::Missing:
      if (running == TNameLook::Busy) {
        return TInstanceLock::HeldElsewhere;  // see TakeName
      }
      break;
    case TFileLock::Taken:
      break;
  }
  const TInstanceLock result = TakeName(row, handle.LockFile >= 0, request, handle.Requests);
  if (result != TInstanceLock::Acquired) {
    UnlockInstance(handle);
  }
  return result;
}

void UnlockInstance(TInstanceHandle& handle) {
  const int error = errno;
  for (int* descriptor : {&handle.Requests, &handle.LockFile}) {
    if (*descriptor >= 0) {
      ::close(*descriptor);
      *descriptor = -1;
    }
  }
  errno = error;
}

std::vector<std::string> TakeInstanceRequests(int requests) {
  const int error = errno;  // nothing waiting is no failure of the caller's
  std::vector<std::string> taken;
  for (;;) {
    const int peer = ::accept4(requests, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (peer < 0) {
      if (errno == EINTR || errno == ECONNABORTED) {
        continue;
      }
      break;  // none left
    }
    if (PeerIsThisUser(peer)) {
      if (std::string request = ReadRequest(peer); !request.empty()) {
        taken.push_back(std::move(request));
      }
    }
    ::close(peer);
  }
  errno = error;
  return taken;
}

}  // namespace Os
