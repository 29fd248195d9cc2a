#include "Libraries/OperatingSystem/OperatingSystem.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>

namespace Os {

const int32_t kErrorNotEnoughStorage = ENOMEM;
const int32_t kErrorRequestAborted = ECANCELED;
const int32_t kErrorAlreadyExists = EEXIST;
const int32_t kErrorFileNotFound = ENOENT;
const int32_t kErrorNoMoreFiles = ENODATA;

void ClearLastError() { errno = 0; }
int32_t LastError() { return errno; }
void SetLastError(int32_t code) { errno = code; }

std::string SystemErrorMessage(int32_t code) {
  char buffer[256] = {};
  // The GNU strerror_r returns the text, which may or may not be the buffer.
  const char* text = strerror_r(code, buffer, sizeof buffer);
  if (text == nullptr || *text == '\0') {
    return "Unknown system error " + std::to_string(code);
  }
  return text;
}

namespace {
std::function<uint32_t()>& TickCountOverride() {
  static std::function<uint32_t()> override;
  return override;
}
}  // namespace

void SetTickCountForTesting(std::function<uint32_t()> tickCount) {
  TickCountOverride() = std::move(tickCount);
}

uint32_t TickCount() {
  if (TickCountOverride()) {
    return TickCountOverride()();
  }
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const uint64_t ms = static_cast<uint64_t>(now.tv_sec) * 1000u + now.tv_nsec / 1000000;
  return static_cast<uint32_t>(ms);
}

namespace {
// The calendar parts of a moment; a leap second reads as the last second of
// its minute.
TLocalTime CalendarPartsOf(const std::tm& parts, int millisecond) {
  TLocalTime result;
  result.Year = parts.tm_year + 1900;
  result.Month = parts.tm_mon + 1;
  result.Day = parts.tm_mday;
  result.Hour = parts.tm_hour;
  result.Minute = parts.tm_min;
  result.Second = parts.tm_sec > 59 ? 59 : parts.tm_sec;
  result.Millisecond = millisecond;
  return result;
}

// The moment split by the converter (localtime_r or gmtime_r); false, and
// "value too large", for a moment the system cannot represent.
bool CalendarTimeAt(int64_t unixSeconds, TLocalTime& result,
                    std::tm* (*convert)(const time_t*, std::tm*)) {
  const time_t moment = static_cast<time_t>(unixSeconds);
  std::tm parts{};
  if (static_cast<int64_t>(moment) != unixSeconds || convert(&moment, &parts) == nullptr) {
    errno = EOVERFLOW;
    return false;
  }
  result = CalendarPartsOf(parts, 0);
  return true;
}
}  // namespace

TLocalTime LocalTimeNow() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  std::tm parts{};
  localtime_r(&now.tv_sec, &parts);
  return CalendarPartsOf(parts, static_cast<int>(now.tv_nsec / 1000000));
}

bool LocalTimeAt(int64_t unixSeconds, TLocalTime& result) {
  return CalendarTimeAt(unixSeconds, result, localtime_r);
}

bool UniversalTimeAt(int64_t unixSeconds, TLocalTime& result) {
  return CalendarTimeAt(unixSeconds, result, gmtime_r);
}

namespace {
std::vector<std::string>& RememberedCommandLine() {
  static std::vector<std::string> parameters;
  return parameters;
}
}  // namespace

void SetCommandLine(int argc, char** argv) {
  std::vector<std::string> parameters(argv, argv + argc);
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && !self.empty()) {
    if (parameters.empty()) {
      parameters.emplace_back();
    }
    parameters[0] = self.string();
  }
  RememberedCommandLine() = std::move(parameters);
}

void SetCommandLineForTesting(std::vector<std::string> parameters) {
  RememberedCommandLine() = std::move(parameters);
}

const std::vector<std::string>& CommandLine() { return RememberedCommandLine(); }

bool CryptoRandomBytes(void* buffer, size_t size) {
  auto* bytes = static_cast<unsigned char*>(buffer);
  size_t filled = 0;
  while (filled < size) {
    const ssize_t n = ::getrandom(bytes + filled, size - filled, 0);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    filled += static_cast<size_t>(n);
  }
  return true;
}

namespace {
TCursorPositionProvider& CursorProvider() {
  static TCursorPositionProvider provider;
  return provider;
}
}  // namespace

void SetCursorPositionProvider(TCursorPositionProvider provider) {
  CursorProvider() = std::move(provider);
}

bool CursorPosition(int32_t& x, int32_t& y) {
  x = 0;
  y = 0;
  if (!CursorProvider() || !CursorProvider()(x, y)) {
    x = 0;
    y = 0;
    return false;
  }
  return true;
}

void TerminateProcessNow(int exitCode) { _exit(exitCode); }

std::string EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

void SetEnvironmentVariable(const char* name, const std::string& value) {
  if (value.empty()) {
    ::unsetenv(name);
  } else {
    ::setenv(name, value.c_str(), 1);
  }
}

TWriteFile::~TWriteFile() {
  if (IsOpen()) {
    ::close(Descriptor);
  }
}

namespace {
// Bytes that may still be written before an injected failure; -1 for none.
int64_t WriteBudget = -1;
}  // namespace

void InjectWriteFailureForTesting(int64_t bytesBeforeFailure) { WriteBudget = bytesBeforeFailure; }

bool TWriteFile::CreateNew(const std::string& path) {
  Descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  return IsOpen();
}

bool TWriteFile::OpenOrCreate(const std::string& path) {
  // Not blocking: opening a pipe for writing would wait for a reader.
  Descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0644);
  if (!IsOpen()) {
    return false;
  }
  struct stat status {};
  if (::fstat(Descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
    Close();
    errno = EINVAL;
    return false;
  }
  return true;
}

int64_t TWriteFile::Size() const {
  struct stat status {};
  if (::fstat(Descriptor, &status) != 0) {
    return -1;
  }
  return status.st_size;
}

bool TWriteFile::Truncate() { return ::ftruncate(Descriptor, 0) == 0; }

bool TWriteFile::Append(const std::string& data) {
  if (::lseek(Descriptor, 0, SEEK_END) < 0) {
    return false;
  }
  size_t written = 0;
  while (written < data.size()) {
    size_t chunk = data.size() - written;
    if (WriteBudget >= 0) {
      if (WriteBudget == 0) {
        errno = ENOSPC;
        return false;
      }
      chunk = std::min<size_t>(chunk, static_cast<size_t>(WriteBudget));
    }
    const ssize_t n = ::write(Descriptor, data.data() + written, chunk);
    if (n < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    written += static_cast<size_t>(n);
    if (WriteBudget >= 0) {
      WriteBudget -= n;
    }
  }
  return true;
}

bool TWriteFile::SetMode(uint32_t mode) { return ::fchmod(Descriptor, mode & 07777) == 0; }

bool TWriteFile::Flush() { return ::fsync(Descriptor) == 0; }

bool TWriteFile::Close() {
  if (!IsOpen()) {
    return true;
  }
  const int result = ::close(Descriptor);
  Descriptor = -1;
  return result == 0;
}

bool RenameFile(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool FlushFolder(const std::string& folder) {
  const int descriptor =
      ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) {
    return false;
  }
  const bool flushed = ::fsync(descriptor) == 0;
  const int error = errno;
  ::close(descriptor);
  errno = error;
  return flushed;
}

}  // namespace Os
