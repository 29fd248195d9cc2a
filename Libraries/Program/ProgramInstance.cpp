#include "Libraries/Program/ProgramInstance.h"

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
// The held lock; both parts -1 while none is held.
Os::TInstanceHandle InstanceMutex;
// What a later start asks of the game that holds the lock.
constexpr char kShowWindowRequest = 'S';
}  // namespace

bool IsAnotherInstanceRunning(const std::string& programName) {
  Os::ClearLastError();
  Os::TInstanceHandle handle;
  switch (Os::LockInstance(kInstanceNamePrefix + programName, handle, kShowWindowRequest)) {
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
  return InstanceMutex.Requests >= 0 &&
         Os::TakeInstanceRequests(InstanceMutex.Requests).find(kShowWindowRequest) !=
             std::string::npos;
}
