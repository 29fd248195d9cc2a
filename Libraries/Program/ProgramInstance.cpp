#include "Libraries/Program/ProgramInstance.h"

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
// The held lock; both parts -1 while none is held.
Os::TInstanceHandle InstanceMutex;
// What a later start asks of the game that holds the lock: this byte,
// followed by the start's activation token when it has one. A game that
// reads only the first byte still understands it.
constexpr char kShowWindowRequest = 'S';
// The variable a launcher hands a program its activation token in.
constexpr const char* kActivationTokenVariable = "XDG_ACTIVATION_TOKEN";

// A token goes on only when it is short and plain (no blanks, no control
// bytes): it becomes an environment variable of the running game.
bool IsPlainToken(const std::string& token) {
  if (token.empty() || token.size() > kMaxActivationToken) {
    return false;
  }
  for (const char letter : token) {
    if (letter <= ' ' || letter > '~') {
      return false;
    }
  }
  return true;
}

std::string ShowWindowRequest() {
  std::string request(1, kShowWindowRequest);
  if (const std::string token = Os::EnvironmentVariable(kActivationTokenVariable);
      IsPlainToken(token)) {
    request += token;
  }
  return request;
}
}  // namespace

bool IsAnotherInstanceRunning(const std::string& programName) {
  Os::ClearLastError();
  Os::TInstanceHandle handle;
  switch (Os::LockInstance(kInstanceNamePrefix + programName, handle, ShowWindowRequest())) {
    case Os::TInstanceLock::HeldElsewhere:
      return true;
    case Os::TInstanceLock::Acquired:
      Os::UnlockInstance(InstanceMutex);
      InstanceMutex = handle;
      return false;
    case Os::TInstanceLock::Unavailable:
      break;
  }
  return false;
}

void ReleaseProgramInstance() {
  Os::UnlockInstance(InstanceMutex);
}

int InstanceRequestHandle() {
  return InstanceMutex.Requests;
}

bool TakeShowWindowRequest() {
  std::string activationToken;
  return TakeShowWindowRequest(activationToken);
}

bool TakeShowWindowRequest(std::string& activationToken) {
  activationToken.clear();
  if (InstanceMutex.Requests < 0) {
    return false;
  }
  bool asked = false;
  for (const std::string& request : Os::TakeInstanceRequests(InstanceMutex.Requests)) {
    if (request[0] == kShowWindowRequest) {
      asked = true;
      const std::string token = request.substr(1);
      activationToken = IsPlainToken(token) ? token : "";
    }
  }
  return asked;
}
