#include "Libraries/Program/ProgramInstance.h"

#include <cstdio>

#include <gtest/gtest.h>

#include "Libraries/Error/ErrorDialog.h"
#include "Libraries/Program/Termination.h"
#include "support/TestHome.h"

namespace {

TEST(ProgramInstance, TheFirstHoldsTheLockUntilItIsReleased) {
  TTestHome home;
  EXPECT_FALSE(IsAnotherInstanceRunning("Glyphmason"));
  // A second taker, even in this process, finds the lock held.
  EXPECT_TRUE(IsAnotherInstanceRunning("Glyphmason"));
  EXPECT_FALSE(IsAnotherInstanceRunning("OtherGame"));
  ReleaseProgramInstance();
  EXPECT_FALSE(IsAnotherInstanceRunning("Glyphmason"));
  ReleaseProgramInstance();
}

TEST(ProgramInstance, WithoutALockTheProgramRunsUnguarded) {
  TTestHome home;
  home.Write(".runtime", "a file where the runtime folder should be");
  EXPECT_FALSE(IsAnotherInstanceRunning("Glyphmason"));
  EXPECT_FALSE(IsAnotherInstanceRunning("Glyphmason"));
  ReleaseProgramInstance();
}

// Writes what the error dialog would show to the error stream, where the
// death test finds it.
class TPrintingErrorDialog : public IErrorDialog {
 public:
  bool ShowError(const std::string& caption, const std::string& message, bool*,
                 const std::string& report) override {
    std::fprintf(stderr, "%s|%s|%s\n", caption.c_str(), message.c_str(), report.c_str());
    return true;
  }
  int32_t RecursionCount() const override { return 0; }
};

TEST(TerminateProgramFunDeathTest, ShowsTheAbortThenEndsWithExitCodeOne) {
  EXPECT_EXIT(
      {
        TPrintingErrorDialog dialog;
        ErrorDialogSeam::Install(&dialog);
        InstallTerminateHandler();
        std::terminate();
      },
      ::testing::ExitedWithCode(1),
      "Error\\|Abort intercepted.\r\nProgram must be terminated.\\|.*TerminateProgramFun");
}

}  // namespace
