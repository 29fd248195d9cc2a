#include "Libraries/Program/Termination.h"

#include <exception>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/Translation.h"

namespace {
constexpr const char* kFunctionName = "TerminateProgramFun";
// Shown in the error dialog, which translates it; the report keeps it English.
constexpr const char* kAbortMessage =
    TranslatableText("TErrorForm", "Abort intercepted.\r\nProgram must be terminated.");
}  // namespace

void TerminateProgramFun() {
  GlobalFunStat.SetStatus(__FILE__, kFunctionName, __LINE__, fsError, kAbortMessage, "", "", 0);
  GlobalFunStat.SetShowContext(__FILE__, kFunctionName, __LINE__);
  GlobalFunStat.Show(kAbortMessage);
  GlobalFunStat.Reset(fsPerfect);
  Os::TerminateProcessNow(1);
}

void InstallTerminateHandler() {
  Os::ClearLastError();
  std::set_terminate(TerminateProgramFun);
}
