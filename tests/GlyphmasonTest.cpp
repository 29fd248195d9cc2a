// The built program itself, started as separate processes.

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/TestHome.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kInstanceLock = "Mutex_ProgramInstance_Glyphmason";

// A copy of the built game in a folder of its own, started with a home and
// session runtime folder of the test's, in the offscreen platform.
class TGameProcesses {
 public:
  TGameProcesses() {
    Program = Folder.File("Glyphmason");
    std::filesystem::copy_file(GLYPHMASON_PROGRAM_FILE, Program);
    ::chmod(Program.c_str(), 0755);
    ::mkdir(Home.File(".runtime").c_str(), 0700);
    for (char** variable = environ; *variable != nullptr; ++variable) {
      const std::string text = *variable;
      if (text.rfind("HOME=", 0) != 0 && text.rfind("XDG_RUNTIME_DIR=", 0) != 0 &&
          text.rfind("QT_QPA_PLATFORM=", 0) != 0) {
        Environment.push_back(text);
      }
    }
    Environment.push_back("HOME=" + Home.Path());
    Environment.push_back("XDG_RUNTIME_DIR=" + Home.File(".runtime"));
    Environment.push_back("QT_QPA_PLATFORM=offscreen");
  }

  pid_t Start() {
    std::vector<char*> argv = {Program.data(), nullptr};
    std::vector<char*> envp;
    for (std::string& text : Environment) {
      envp.push_back(text.data());
    }
    envp.push_back(nullptr);
    pid_t pid = -1;
    EXPECT_EQ(::posix_spawn(&pid, Program.c_str(), nullptr, nullptr, argv.data(), envp.data()), 0);
    return pid;
  }

  // True once some process holds the game's lock; the lock is looked up
  // below the test's home, as the started games see it.
  bool LockIsHeld() {
    int handle = -1;
    const Os::TInstanceLock result = Os::LockInstance(kInstanceLock, handle);
    Os::UnlockInstance(handle);
    return result == Os::TInstanceLock::HeldElsewhere;
  }

  bool WaitUntilLockIsHeld(pid_t holder) {
    const auto end = Clock::now() + std::chrono::seconds(60);
    while (Clock::now() < end) {
      if (LockIsHeld()) {
        return true;
      }
      int status = 0;
      if (::waitpid(holder, &status, WNOHANG) == holder) {
        ADD_FAILURE() << "the game ended at once, status " << status;
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }

  // The exit status, or -1 when the process still runs after the timeout.
  static int WaitForExit(pid_t pid, std::chrono::seconds timeout) {
    const auto end = Clock::now() + timeout;
    while (Clock::now() < end) {
      int status = 0;
      if (::waitpid(pid, &status, WNOHANG) == pid) {
        return status;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return -1;
  }

  static void Kill(pid_t pid) {
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
  }

  TTestHome Home;
  TTempFolder Folder;
  std::string Program;
  std::vector<std::string> Environment;
};

TEST(Glyphmason, ASecondGameExitsAtOnceWhileTheFirstRuns) {
  TGameProcesses games;
  const pid_t first = games.Start();
  ASSERT_GT(first, 0);
  ASSERT_TRUE(games.WaitUntilLockIsHeld(first));

  const auto started = Clock::now();
  const pid_t second = games.Start();
  const int status = TGameProcesses::WaitForExit(second, std::chrono::seconds(30));
  ASSERT_NE(status, -1) << "the second game keeps running";
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_LT(Clock::now() - started, std::chrono::seconds(15));
  EXPECT_EQ(TGameProcesses::WaitForExit(first, std::chrono::seconds(0)), -1)
      << "the first game ended";

  // A crash frees the lock: the next game runs normally.
  TGameProcesses::Kill(first);
  EXPECT_FALSE(games.LockIsHeld());
  const pid_t third = games.Start();
  EXPECT_TRUE(games.WaitUntilLockIsHeld(third));
  TGameProcesses::Kill(third);
}

}  // namespace
