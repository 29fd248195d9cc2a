#include "Libraries/Program/ProgramInstance.h"

#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "Libraries/Error/ErrorDialog.h"
#include "Libraries/Program/Termination.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
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
  const std::string tooLong(200, 'G');  // no lock can bear this name
  EXPECT_FALSE(IsAnotherInstanceRunning(tooLong));
  EXPECT_FALSE(IsAnotherInstanceRunning(tooLong));
  ReleaseProgramInstance();
}

// Without a stand-in home: the lock is the one every process of the user
// meets, so the name is made unique to this test run.
TEST(InstanceLock, HoldsWhateverTheEnvironmentAndEndsWithItsHolder) {
  const std::string name = "GlyphmasonTest" + std::to_string(::getpid());
  const char* saved = std::getenv("XDG_RUNTIME_DIR");
  const std::string savedRuntime = saved != nullptr ? saved : "";
  TTempFolder runtime;
  ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
  int first = -1;
  ASSERT_EQ(Os::LockInstance(name, first), Os::TInstanceLock::Acquired);
  ::unsetenv("XDG_RUNTIME_DIR");
  int second = -1;
  EXPECT_EQ(Os::LockInstance(name, second), Os::TInstanceLock::HeldElsewhere);
  Os::UnlockInstance(first);

  // A holder killed outright leaves the lock free.
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t holder = ::fork();
  if (holder == 0) {
    int handle = -1;
    const char held = Os::LockInstance(name, handle) == Os::TInstanceLock::Acquired ? 'y' : 'n';
    [[maybe_unused]] const ssize_t written = ::write(ready[1], &held, 1);
    ::pause();
    _exit(0);
  }
  char held = 0;
  ASSERT_EQ(::read(ready[0], &held, 1), 1);
  EXPECT_EQ(held, 'y');
  EXPECT_EQ(Os::LockInstance(name, second), Os::TInstanceLock::HeldElsewhere);
  ::kill(holder, SIGKILL);
  ::waitpid(holder, nullptr, 0);
  EXPECT_EQ(Os::LockInstance(name, second), Os::TInstanceLock::Acquired);
  Os::UnlockInstance(second);
  ::close(ready[0]);
  ::close(ready[1]);
  if (saved != nullptr) {
    ::setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
  }
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
