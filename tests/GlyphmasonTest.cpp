// The built program itself, started as separate processes.

#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include <gtest/gtest.h>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/TestHome.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Copies of the built game in a folder of their own, started offscreen with
// the test's home and session runtime folder, where the test finds their lock.
class TGameProcesses {
 public:
  TGameProcesses() {
    std::filesystem::copy_file(GLYPHMASON_PROGRAM_FILE, Program);
    ::chmod(Program.c_str(), 0755);
    ::mkdir(Home.File(".runtime").c_str(), 0700);
    for (char** variable = environ; *variable != nullptr; ++variable) {
      const std::string text = *variable;
      if (text.rfind("HOME=", 0) != 0 && text.rfind("XDG_RUNTIME_DIR=", 0) != 0) {
        Environment.push_back(text);
      }
    }
    Environment.push_back("HOME=" + Home.Path());
    Environment.push_back("XDG_RUNTIME_DIR=" + Home.File(".runtime"));
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

  static bool LockIsHeld() {
    int handle = -1;
    const Os::TInstanceLock result = Os::LockInstance("Mutex_ProgramInstance_Glyphmason", handle);
    Os::UnlockInstance(handle);
    return result == Os::TInstanceLock::HeldElsewhere;
  }

  // The exit status, or -1 when the process still runs when the time is up.
  static int WaitForExit(pid_t pid, std::chrono::seconds timeout) {
    for (const auto end = Clock::now() + timeout;; std::this_thread::sleep_for(std::chrono::milliseconds(10))) {
      int status = 0;
      if (::waitpid(pid, &status, WNOHANG) == pid) {
        return status;
      }
      if (Clock::now() >= end) {
        return -1;
      }
    }
  }

  // Waits until the game holds the lock; false when it ended or took too long.
  static bool HoldsTheLockSoon(pid_t game) {
    for (const auto end = Clock::now() + std::chrono::seconds(60); Clock::now() < end;) {
      if (LockIsHeld()) {
        return true;
      }
      if (WaitForExit(game, std::chrono::seconds(0)) != -1) {
        return false;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }

  static void Kill(pid_t pid) {
    ::kill(pid, SIGKILL);
    WaitForExit(pid, std::chrono::seconds(30));
  }

  TTestHome Home;
  TTempFolder Folder;
  std::string Program = Folder.File("Glyphmason");
  std::vector<std::string> Environment;
};

TEST(Glyphmason, ASecondGameExitsAtOnceWhileTheFirstRuns) {
  TGameProcesses games;
  const pid_t first = games.Start();
  ASSERT_TRUE(TGameProcesses::HoldsTheLockSoon(first));

  const auto started = Clock::now();
  const int status = TGameProcesses::WaitForExit(games.Start(), std::chrono::seconds(30));
  ASSERT_NE(status, -1) << "the second game keeps running";
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  EXPECT_LT(Clock::now() - started, std::chrono::seconds(15));
  EXPECT_EQ(TGameProcesses::WaitForExit(first, std::chrono::seconds(0)), -1) << "the first ended";

  // A crash frees the lock: the next game runs normally.
  TGameProcesses::Kill(first);
  EXPECT_FALSE(TGameProcesses::LockIsHeld());
  const pid_t third = games.Start();
  EXPECT_TRUE(TGameProcesses::HoldsTheLockSoon(third));
  TGameProcesses::Kill(third);
}

}  // namespace
