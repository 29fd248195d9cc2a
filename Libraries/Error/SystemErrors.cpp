#include "Libraries/Error/SystemErrors.h"

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
// The COM result of an operation the user cancelled.
constexpr int32_t kResultCancelledByUser = static_cast<int32_t>(0x800704C7);

bool IsBenignCode(int32_t code) {
  return code == 0 || code == Os::kErrorNotEnoughStorage || code == Os::kErrorRequestAborted;
}
}  // namespace

bool LastErrorFailed() { return !IsBenignCode(Os::LastError()); }

bool LastErrorFailedIgnoreExists() {
  const int32_t code = Os::LastError();
  return !IsBenignCode(code) && code != Os::kErrorAlreadyExists;
}

bool IsBenignFindError(int32_t code) {
  return code == 0 || code == Os::kErrorNoMoreFiles || code == Os::kErrorFileNotFound;
}

bool HResultFailed(int32_t result) { return result < 0 && result != kResultCancelledByUser; }
