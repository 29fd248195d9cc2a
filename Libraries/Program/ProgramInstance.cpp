#include "Libraries/Program/ProgramInstance.h"

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
// The held lock; -1 while none is held.
int InstanceMutex = -1;
// What a later start asks of the game that holds the lock.
constexpr char kShowWindowRequest = 'S';
}  // namespace

bool IsAnotherInstanceRunning(const std::string& programName) {
  Os::ClearLastError();
  int handle = -1;
  switch (Os::LockInstance(kInstanceNamePrefix + programName, handle, kShowWindowRequest)) {
    case Os::TInstanceLock::HeldElsewhere:
      return true;
    case Os::TInstanceLock::Acquired:
      if (InstanceMutex >= 0) {
        Os::UnlockInstance(InstanceMutex);
      }
      InstanceMutex = handle;
      return false;
    case Os::TInstanceLock::Unavailable:
      break;
  }
  return false;
}

void ReleaseProgramInstance() {
  if (InstanceMutex >= 0) {
    Os::UnlockInstance(InstanceMutex);
    InstanceMutex = -1;
  }
}

int InstanceRequestHandle() {
  return InstanceMutex;
}

bool TakeShowWindowRequest() {
  return InstanceMutex >= 0 &&
         Os::TakeInstanceRequests(InstanceMutex).find(kShowWindowRequest) != std::string::npos;
}
