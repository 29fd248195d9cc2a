#include "Libraries/Program/ProgramInstance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "Libraries/Error/ErrorDialog.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/Termination.h"
#include "support/TestHome.h"

namespace {

TEST(ProgramInstance, WithoutALockTheProgramRunsUnguarded) {
  TTestHome home;
  const std::string tooLong(200, 'G');  // no lock can bear this name
  EXPECT_FALSE(IsAnotherInstanceRunning(tooLong));
  EXPECT_FALSE(IsAnotherInstanceRunning(tooLong));
  ReleaseProgramInstance();
}

// The unprivileged account the system keeps for processes that own nothing.
constexpr uid_t kNobody = 65534;

// The socket name under which every process of this user looks for the
// game's lock first; it tries that name with "/1" to "/4" after it.
std::string LockSocketName(const std::string& programName) {
  return "glyphmason-instance/" + std::to_string(::getuid()) + "/" + kInstanceNamePrefix +
         programName + "/" + Os::HomeForTesting();
}

// A socket at the abstract name, bound there or connected to it: -1 when
// that fails.
int AbstractNameSocket(const std::string& socketName, bool connect) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path + 1, socketName.data(), socketName.size());
  const auto length =
      static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + socketName.size());
  const auto* named = reinterpret_cast<const sockaddr*>(&address);
  const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (descriptor < 0 ||
      (connect ? ::connect(descriptor, named, length) : ::bind(descriptor, named, length)) != 0) {
    return -1;
  }
  return descriptor;
}

bool ActAsAnotherAccount() {
  return ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0;
}

// The exit code of a child process that runs the function and exits with
// its result.
int ExitCodeOf(const std::function<int()>& child) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    _exit(child());
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Whether a start in another process, given the activation token unless
// null, meets the running game.
bool AnotherStartMeetsTheGame(const char* token = nullptr) {
  const auto start = [token] {
    if (token != nullptr) {
      ::setenv("XDG_ACTIVATION_TOKEN", token, 1);
    }
    return IsAnotherInstanceRunning("Glyphmason") ? 0 : 1;
  };
  return ExitCodeOf(start) == 0;
}

// A child process that runs the work, tells whether it succeeded, and then
// waits, keeping whatever it took, until the object goes. Holds is that
// answer, waited for at once unless the caller takes it later.
class THoldingChild {
 public:
  explicit THoldingChild(const std::function<bool()>& work, bool waitForAnswer = true) {
    if (::pipe(Ready) != 0) {
      return;
    }
    Pid = ::fork();
    if (Pid == 0) {
      ::alarm(kLifeSeconds);
      const char answer = work() ? 'y' : 'n';
      [[maybe_unused]] const ssize_t written = ::write(Ready[1], &answer, 1);
      ::pause();
      _exit(0);
    }
    ::close(Ready[1]);  // a child that dies unanswered reads as a refusal
    Holds = waitForAnswer && TakeAnswer();
  }
  THoldingChild(const THoldingChild&) = delete;
  THoldingChild& operator=(const THoldingChild&) = delete;
  ~THoldingChild() {
    if (Pid > 0) {
      ::kill(Pid, SIGKILL);
      ::waitpid(Pid, nullptr, 0);
    }
    ::close(Ready[0]);
  }
  // Waits for the child's answer: whether its work succeeded.
  bool TakeAnswer() const {
    char answer = 'n';
    return Pid > 0 && ::read(Ready[0], &answer, 1) == 1 && answer == 'y';
  }
  // Stops the child where it is, as a debugger or the shell's Ctrl+Z would.
  void Stop() const {
    if (Pid > 0) {
      ::kill(Pid, SIGSTOP);
    }
  }

  bool Holds = false;

 private:
  // A child the test lost ends by itself after this long.
  static constexpr unsigned kLifeSeconds = 60;
  int Ready[2] = {-1, -1};
  pid_t Pid = -1;
};

// Another account of the machine that took socket names first: bound only,
// or bound and answering. Holds is false where no process may act as
// another account.
class TStranger : public THoldingChild {
 public:
  TStranger(const std::vector<std::string>& names, bool answers)
      : THoldingChild([&names, answers] {
          bool held = ::getuid() == 0 && ActAsAnotherAccount();
          for (const std::string& name : names) {
            const int descriptor = AbstractNameSocket(name, false);
            held = held && descriptor >= 0 && (!answers || ::listen(descriptor, 8) == 0);
          }
          return held;
        }) {}
};

// The scenes of this suite are played twice: with the player's runtime
// folder (the stand-in home) private, and open to others, where the game
// cannot keep its lock file there and the socket names alone guard it.
class LockInEachRuntimeFolder : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (!GetParam()) {
      ASSERT_EQ(::chmod(Home.Path().c_str(), 0755), 0);
    }
  }
  TTestHome Home;
};
INSTANTIATE_TEST_SUITE_P(RuntimeFolder, LockInEachRuntimeFolder, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Private" : "OpenToOthers"; });

TEST_P(LockInEachRuntimeFolder, AGameOnALaterNameIsMetAfterTheStrangerBeforeItLeft) {
  auto stranger = std::make_unique<TStranger>(std::vector{LockSocketName("Glyphmason")}, true);
  if (!stranger->Holds) {
    GTEST_SKIP() << "no process here may act as another account";
  }
  ASSERT_FALSE(IsAnotherInstanceRunning("Glyphmason")) << "the game takes the next name";
  stranger.reset();  // the lock's own name is free again
  EXPECT_TRUE(AnotherStartMeetsTheGame())
      << "a later start took the freed name beside the running game";
  ReleaseProgramInstance();
}

TEST(InstanceOwner, WithEveryNameTakenByAnotherAccountASecondStartStillMeetsTheGame) {
  TTestHome home;
  const std::string first = LockSocketName("Glyphmason");
  // Some names of the row answer, the others are bound only.
  TStranger answering({first, first + "/2", first + "/4"}, true);
  TStranger silent({first + "/1", first + "/3"}, false);
  if (!answering.Holds || !silent.Holds) {
    GTEST_SKIP() << "no process here may act as another account";
  }
  ASSERT_FALSE(IsAnotherInstanceRunning("Glyphmason"));
  EXPECT_TRUE(AnotherStartMeetsTheGame()) << "a second game runs beside the first";
  ReleaseProgramInstance();
  EXPECT_FALSE(IsAnotherInstanceRunning("Glyphmason")) << "the released lock can be taken";
  ReleaseProgramInstance();
}

TEST_P(LockInEachRuntimeFolder, AStoppedGameIsMetByEveryLaterStart) {
  // The player's game in another process, which never takes requests.
  THoldingChild game([] { return !IsAnotherInstanceRunning("Glyphmason"); });
  ASSERT_TRUE(game.Holds);
  game.Stop();
  // Each start leaves a connection the stopped game never takes.
  for (int start = 1; start <= 12; ++start) {
    EXPECT_TRUE(IsAnotherInstanceRunning("Glyphmason")) << "start " << start << " runs";
  }
  ReleaseProgramInstance();
}

// Starts that many processes at once, each trying the lock and keeping what
// it got until all have answered: how many took it.
int GamesAfterSimultaneousStarts(int starts) {
  int go[2];
  if (::pipe(go) != 0) {
    return -1;
  }
  std::vector<std::unique_ptr<THoldingChild>> children;
  for (int start = 0; start < starts; ++start) {
    const auto takeLockOnGo = [&go] {
      ::close(go[1]);
      char byte = 0;
      [[maybe_unused]] const ssize_t read = ::read(go[0], &byte, 1);  // until the parent lets go
      return !IsAnotherInstanceRunning("Glyphmason");
    };
    children.push_back(std::make_unique<THoldingChild>(takeLockOnGo, false));
  }
  ::close(go[0]);
  ::close(go[1]);  // every child starts now
  int games = 0;
  for (const auto& child : children) {
    games += child->TakeAnswer() ? 1 : 0;
  }
  return games;
}

TEST_P(LockInEachRuntimeFolder, OfAHundredStartsAtOnceExactlyOneRuns) {
  EXPECT_EQ(GamesAfterSimultaneousStarts(100), 1);
}

// A second start asks the running game to show its window; one that a
// launcher gave an activation token passes it on, so that the compositor
// lets the window take the focus. Games before the token send the request
// byte alone; another account reaches the socket but asks nothing.
TEST(InstanceRequests, OnlyThePlayersStartsAskTheGameToShowItsWindowPassingAPlainToken) {
  TTestHome home;
  ASSERT_FALSE(IsAnotherInstanceRunning("Glyphmason"));
  EXPECT_FALSE(TakeShowWindowRequest()) << "nobody has asked yet";
  const std::string longest(kMaxActivationToken, 'x');
  const struct {
    std::string Given, Passed;
  } starts[] = {
      {"sway-1-2f1c", "sway-1-2f1c"}, {longest, longest}, {longest + "x", ""},
      {"two words", ""},              {"tab\there", ""},  {"line\n", ""},
      {"caf\xE9", ""},
  };
  for (const auto& start : starts) {
    ASSERT_TRUE(AnotherStartMeetsTheGame(start.Given.c_str()));
    std::string token = "stale";
    EXPECT_TRUE(TakeShowWindowRequest(token)) << start.Given;
    EXPECT_EQ(token, start.Passed) << start.Given;
    EXPECT_FALSE(TakeShowWindowRequest()) << "a request is taken once";
  }
  const std::string name = LockSocketName("Glyphmason");
  const int descriptor = AbstractNameSocket(name, true);
  ASSERT_GE(descriptor, 0);
  ASSERT_EQ(::write(descriptor, "S", 1), 1);
  ::close(descriptor);
  std::string token = "stale";
  EXPECT_TRUE(TakeShowWindowRequest(token)) << "a one-byte request";
  EXPECT_EQ(token, "");
  const int asked = ExitCodeOf([&name] {
    if (!ActAsAnotherAccount()) {
      return 2;  // no process here may act as another account
    }
    const int other = AbstractNameSocket(name, true);
    return other >= 0 && ::write(other, "S", 1) == 1 ? 0 : 1;
  });
  if (asked != 2) {
    EXPECT_EQ(asked, 0) << "the other account could not reach the game";
    EXPECT_FALSE(TakeShowWindowRequest());
    // The player's own request still gets through after it.
    EXPECT_TRUE(IsAnotherInstanceRunning("Glyphmason"));
    EXPECT_TRUE(TakeShowWindowRequest());
  }
  ReleaseProgramInstance();
  EXPECT_EQ(InstanceRequestHandle(), -1);
}

// Without a stand-in home: the lock is the one every process of the user
// meets, so the name is made unique to this test run, and the runtime folder
// is a temporary one.
TEST(InstanceLock, HoldsWhateverTheEnvironmentAndEndsWithItsHolder) {
  const std::string name = "GlyphmasonTest" + std::to_string(::getpid());
  const char* saved = std::getenv("XDG_RUNTIME_DIR");
  const std::string savedRuntime = saved != nullptr ? saved : "";
  TTempFolder runtime;
  TTempFolder otherRuntime;
  ::setenv("XDG_RUNTIME_DIR", runtime.Path().c_str(), 1);
  Os::TInstanceHandle first;
  ASSERT_EQ(Os::LockInstance(name, first), Os::TInstanceLock::Acquired);
  EXPECT_GE(first.LockFile, 0);
  EXPECT_GE(first.Requests, 0);
  ::setenv("XDG_RUNTIME_DIR", otherRuntime.Path().c_str(), 1);
  Os::TInstanceHandle second;
  EXPECT_EQ(Os::LockInstance(name, second), Os::TInstanceLock::HeldElsewhere);
  Os::UnlockInstance(first);
  EXPECT_EQ(first.LockFile, -1);

  // A holder killed outright leaves the lock free.
  auto holder = std::make_unique<THoldingChild>([&name] {
    Os::TInstanceHandle handle;
    return Os::LockInstance(name, handle) == Os::TInstanceLock::Acquired;
  });
  EXPECT_TRUE(holder->Holds);
  EXPECT_EQ(Os::LockInstance(name, second), Os::TInstanceLock::HeldElsewhere);
  holder.reset();
  EXPECT_EQ(Os::LockInstance(name, second), Os::TInstanceLock::Acquired);
  Os::UnlockInstance(second);
  if (saved != nullptr) {
    ::setenv("XDG_RUNTIME_DIR", savedRuntime.c_str(), 1);
  } else {
    ::unsetenv("XDG_RUNTIME_DIR");
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
