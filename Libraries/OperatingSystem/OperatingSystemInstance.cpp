// The instance lock: a Unix socket bound to a name in the abstract namespace,
// made of the lock's name and the user's id, and listening there. Only one
// socket can hold a name; no file is involved, so no environment variable,
// folder or leftover file can give two processes of one user different
// locks, and the system frees the name when the last descriptor of its
// holder closes, even after a crash.
//
// Abstract names have no owner: any account of the machine may bind any
// name. A bound name therefore counts as held only when its socket answers
// and the system vouches that it belongs to this user. A name that another
// account holds, or that nobody answers on, is passed over for the next of
// a short fixed row of names derived from it; every process of the user
// walks the same row and so still meets the same lock. A start looks for its
// user's holder on every name of the row before it takes one: a name passed
// over may be free again by then.
//
// A later start may leave one byte, a request, at its user's holder; the
// holder takes it from the connection when the listening socket turns
// readable, and only from a process of its own user.

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <string>
#include <thread>
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
// How long the holder waits for a request once its sender has connected:
// the sender writes it at once, so this is never reached but by a stall.
constexpr int kRequestWaitMilliseconds = 100;

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

// The one byte a connected process sent; false when it sent none in time.
bool ReadRequest(int descriptor, char& request) {
  pollfd waiting{descriptor, POLLIN, 0};
  return ::poll(&waiting, 1, kRequestWaitMilliseconds) == 1 &&
         ::recv(descriptor, &request, 1, 0) == 1;
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
// request (when not 0) is left with a holder of this user.
TNameLook AskHolder(int descriptor, const TAbstractAddress& address, char request) {
  TNameLook look = TNameLook::Silent;
  if (::connect(descriptor, AsSocketAddress(address), address.Length) == 0) {
    look = PeerIsThisUser(descriptor) ? TNameLook::OurHolder : TNameLook::Stranger;
  } else if (errno == EAGAIN) {
    look = TNameLook::Busy;
  }
  if (look == TNameLook::OurHolder && request != 0) {
    // The holder may have ended meanwhile: the request is lost with it.
    ::send(descriptor, &request, 1, MSG_NOSIGNAL);
  }
  ::close(descriptor);
  return look;
}

// One attempt at a name: bind it and listen there, else ask who holds it.
TNameLook LookAtName(const TAbstractAddress& address, char request, int& handle) {
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
TNameLook LookUntilAnswered(const TAbstractAddress& address, char request, int& handle) {
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
TNameLook FindOurHolder(const std::vector<TAbstractAddress>& row, char request) {
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
// user on one.
TInstanceLock TakeName(const std::vector<TAbstractAddress>& row, char request, int& handle) {
  for (const TAbstractAddress& address : row) {
    switch (LookUntilAnswered(address, request, handle)) {
      case TNameLook::Taken:
        return TInstanceLock::Acquired;
      case TNameLook::OurHolder:
      case TNameLook::Busy:
        // A holder too busy to answer may be this user's: counting it as
        // gone would start a second game.
        return TInstanceLock::HeldElsewhere;
      case TNameLook::Failed:
        return TInstanceLock::Unavailable;
      case TNameLook::Stranger:
      case TNameLook::Silent:
        break;
    }
  }
  // Every name is held by others: the caller runs without the lock.
  errno = EADDRINUSE;
  return TInstanceLock::Unavailable;
}
}  // namespace

TInstanceLock LockInstance(const std::string& name, int& handle, char request) {
  handle = -1;
  std::vector<TAbstractAddress> row;
  if (name.empty() || !MakeAddressRow(name, row)) {
    errno = EINVAL;
    return TInstanceLock::Unavailable;
  }
  const TNameLook running = FindOurHolder(row, request);
  if (running == TNameLook::OurHolder || running == TNameLook::Busy) {
    return TInstanceLock::HeldElsewhere;  // a busy holder: see TakeName
  }
  return TakeName(row, request, handle);
}

void UnlockInstance(int handle) {
  if (handle >= 0) {
    ::close(handle);
  }
}

std::string TakeInstanceRequests(int handle) {
  const int error = errno;  // nothing waiting is no failure of the caller's
  std::string requests;
  for (;;) {
    const int peer = ::accept4(handle, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
    if (peer < 0) {
      if (errno == EINTR || errno == ECONNABORTED) {
        continue;
      }
      break;  // none left
    }
    char request = 0;
    if (PeerIsThisUser(peer) && ReadRequest(peer, request)) {
      requests += request;
    }
    ::close(peer);
  }
  errno = error;
  return requests;
}

}  // namespace Os
