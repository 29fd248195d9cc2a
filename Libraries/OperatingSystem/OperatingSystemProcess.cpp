// Starting other programs: a fork and exec with an argument vector, never a
// shell. The program runs detached (its parent exits at once and is reaped
// here), so it outlives this process and leaves no zombie behind; a pipe that
// closes on exec tells whether the exec succeeded.

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <vector>

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace Os {

namespace {
std::string& TestHandler() {
  static std::string program;
  return program;
}

bool IsExecutableFile(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode) &&
         ::access(path.c_str(), X_OK) == 0;
}

// The program's path: as given when it names a path, else the first
// executable of that name in $PATH. Empty, with the last error set, when none.
std::string ResolveProgram(const std::string& program) {
  if (program.find('/') != std::string::npos) {
    return program;
  }
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  size_t start = 0;
  while (start <= folders.size()) {
    size_t end = folders.find(':', start);
    if (end == std::string::npos) {
      end = folders.size();
    }
    const std::string folder = end > start ? folders.substr(start, end - start) : ".";
    const std::string candidate = folder + "/" + program;
    if (IsExecutableFile(candidate)) {
      return candidate;
    }
    start = end + 1;
  }
  errno = ENOENT;
  return {};
}

// Only calls that are safe between fork and exec in a threaded process.
[[noreturn]] void ExecInChild(const char* program, char* const* argv, const char* directory,
                              int reportPipe) {
  int error = 0;
  const pid_t child = ::fork();
  if (child < 0) {
    error = errno;
    [[maybe_unused]] const ssize_t written = ::write(reportPipe, &error, sizeof error);
    _exit(1);
  }
  if (child > 0) {
    _exit(0);  // the middle process ends at once; the grandchild is adopted
  }
  ::setsid();
  if (directory != nullptr && ::chdir(directory) != 0) {
    error = errno;
  } else {
    ::execv(program, argv);
    error = errno;
  }
  [[maybe_unused]] const ssize_t written = ::write(reportPipe, &error, sizeof error);
  _exit(127);
}
}  // namespace

bool StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& workingDirectory) {
  const std::string resolved = ResolveProgram(program);
  if (resolved.empty()) {
    return false;
  }
  // Everything the child needs is prepared before the fork.
  std::vector<std::string> texts;
  texts.reserve(arguments.size() + 1);
  texts.push_back(program);
  texts.insert(texts.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& text : texts) {
    argv.push_back(text.data());
  }
  argv.push_back(nullptr);
  const char* directory = workingDirectory.empty() ? nullptr : workingDirectory.c_str();

  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) {
    return false;
  }
  const pid_t middle = ::fork();
  if (middle < 0) {
    const int error = errno;
    ::close(report[0]);
    ::close(report[1]);
    errno = error;
    return false;
  }
  if (middle == 0) {
    ::close(report[0]);
    ExecInChild(resolved.c_str(), argv.data(), directory, report[1]);
  }
  ::close(report[1]);
  int status = 0;
  while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  // End of file: the exec closed the pipe. Otherwise the child's errno.
  int childError = 0;
  ssize_t got;
  do {
    got = ::read(report[0], &childError, sizeof childError);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  if (got == static_cast<ssize_t>(sizeof childError)) {
    errno = childError != 0 ? childError : ENOEXEC;
    return false;
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    errno = ECHILD;
    return false;
  }
  errno = 0;
  return true;
}

std::string DefaultHandlerProgram() {
  return TestHandler().empty() ? std::string("xdg-open") : TestHandler();
}

void SetDefaultHandlerForTesting(const std::string& program) { TestHandler() = program; }

}  // namespace Os
