#pragma once
// The one place where the program meets the operating system for the
// services the game needs beyond the window toolkit: the thread's last system
// error, error message texts, the tick count, the command line and the
// program file, local time, immediate process exit and plain file access.
// A port to another system changes this unit and nothing else.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace Os {

// --- Last system error ------------------------------------------------------
// The thread's last system error, as the C library leaves it after a call.
// Clear it before a system call whose outcome is tested.
void ClearLastError();
int32_t LastError();
void SetLastError(int32_t code);

// Codes of this system that the failure tests treat specially.
extern const int32_t kErrorNotEnoughStorage;  // benign: counts as success
extern const int32_t kErrorRequestAborted;    // benign: counts as success
extern const int32_t kErrorAlreadyExists;     // benign when opening a file that may exist
extern const int32_t kErrorFileNotFound;      // ends a directory scan without failure
extern const int32_t kErrorNoMoreFiles;       // ends a directory scan without failure

// The system's message text for an error code; a text naming the code when
// the system has none.
std::string SystemErrorMessage(int32_t code);

// --- Time -------------------------------------------------------------------
// Milliseconds since an arbitrary start (system boot), wrapping at 2^32.
uint32_t TickCount();
// For tests: TickCount() answers from the function; an empty one restores the clock.
void SetTickCountForTesting(std::function<uint32_t()> tickCount);

struct TLocalTime {
  int Year = 0, Month = 0, Day = 0;  // Month 1..12, Day 1..31
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};
// The current local date and time.
TLocalTime LocalTimeNow();
// The local date and time of a moment given in seconds since 1970-01-01 UTC
// (milliseconds 0); false when the system cannot represent it.
bool LocalTimeAt(int64_t unixSeconds, TLocalTime& result);
// The same moment in universal time (UTC).
bool UniversalTimeAt(int64_t unixSeconds, TLocalTime& result);

// --- Command line and program file -------------------------------------------
// Remembers the process's command line; main calls it first. Parameter 0 is
// replaced by the full path of the running program file when the system can
// tell it, so the program finds its files beside itself however it was started.
void SetCommandLine(int argc, char** argv);
// Replaces the remembered command line as it is, for tests.
void SetCommandLineForTesting(std::vector<std::string> parameters);
const std::vector<std::string>& CommandLine();

// --- Random bytes and the mouse cursor ---------------------------------------
// Fills the buffer from the system's cryptographic random generator; false
// when the generator cannot deliver (the buffer may then be partly filled).
bool CryptoRandomBytes(void* buffer, size_t size);

// The mouse cursor's screen position, as told by the provider that the window
// toolkit installs (and tests replace); false and (0, 0) without a provider.
using TCursorPositionProvider = std::function<bool(int32_t& x, int32_t& y)>;
void SetCursorPositionProvider(TCursorPositionProvider provider);
bool CursorPosition(int32_t& x, int32_t& y);

// --- Process ----------------------------------------------------------------
// Ends the process at once with the exit code: no exit handlers, no static
// destructors, no flushing of the program's own buffers.
[[noreturn]] void TerminateProcessNow(int exitCode);

// --- Files ------------------------------------------------------------------
// A file opened for writing, closed when the object ends. Every operation
// sets the last system error on failure and reports success.
class TWriteFile {
 public:
  TWriteFile() = default;
  TWriteFile(const TWriteFile&) = delete;
  TWriteFile& operator=(const TWriteFile&) = delete;
  ~TWriteFile();

  // Opens an existing file or creates a missing one, without truncating it.
  // A path that is a symbolic link is not followed, and a path that is no
  // regular file (a folder, a pipe, a device) is refused: both fail.
  bool OpenOrCreate(const std::string& path);
  // Creates a new file that must not exist yet (for temporary files).
  bool CreateNew(const std::string& path);
  bool IsOpen() const { return Descriptor >= 0; }
  // Size in bytes, or -1 on failure.
  int64_t Size() const;
  bool Truncate();
  bool Append(const std::string& data);
  // Gives the file these permission bits (as chmod).
  bool SetMode(uint32_t mode);
  // Waits until what was written has reached the disk.
  bool Flush();
  bool Close();

 private:
  int Descriptor = -1;
};

// Renames a file, replacing an existing destination in one step.
bool RenameFile(const std::string& from, const std::string& to);
bool DeleteFile(const std::string& path);
// Waits until the folder's entries (a file renamed into it) have reached the
// disk.
bool FlushFolder(const std::string& folder);

// For tests: after this many more bytes, every TWriteFile::Append fails with
// "no space left" until the injection is lifted with a negative count.
void InjectWriteFailureForTesting(int64_t bytesBeforeFailure);

// --- The user's folders (OperatingSystemFolders.cpp) --------------------------
// Paths without a trailing separator; none of them is created here. They
// follow the XDG base and user directories: $XDG_DATA_HOME, $XDG_CONFIG_HOME
// and user-dirs.dirs, with their usual defaults below the home folder.
std::string HomeFolder();
// The desktop folder (XDG_DESKTOP_DIR of user-dirs.dirs, else ~/Desktop).
std::string DesktopFolder();
// Where the applications menu finds the user's desktop entries.
std::string ApplicationsMenuFolder();
// Desktop entries started when the user logs in.
std::string AutostartFolder();
// The default parent folder of per-user program installations (~/.local/opt).
std::string UserProgramsFolder();
// Where the uninstall entries of installed programs are recorded.
std::string UninstallEntriesFolder();
// For tests: a non-empty folder stands in for home, and every folder above is
// derived from it with the XDG defaults, ignoring the environment; the
// instance lock is then private to that folder too. Empty text ends the
// override.
void SetHomeForTesting(const std::string& folder);
// The folder set by SetHomeForTesting; empty when none is.
const std::string& HomeForTesting();

// --- Instance lock (OperatingSystemInstance.cpp) ------------------------------
// A lock by name, one for each user of the machine: every process of the
// user meets the same lock whatever its environment, and the system releases
// it when its holder ends, however it ends.
enum class TInstanceLock {
  Acquired,       // this process holds it now; handle set
  HeldElsewhere,  // another holder has it
  Unavailable,    // the lock could not be made; the last system error tells why
};
// Takes the lock without waiting.
TInstanceLock LockInstance(const std::string& name, int& handle);
void UnlockInstance(int handle);

// --- Starting programs (OperatingSystemProcess.cpp) ---------------------------
// Starts the program with exactly these arguments (no shell ever sees them),
// in workingDirectory when not empty, and does not wait for it. A program
// name without "/" is looked up in $PATH. False when it could not be started
// (missing, not executable, bad working directory), with the last system
// error telling why.
bool StartProcess(const std::string& program, const std::vector<std::string>& arguments,
                  const std::string& workingDirectory);
// The program that opens documents and addresses with the desktop's default
// application (xdg-open).
std::string DefaultHandlerProgram();
// For tests: another program stands in for the default handler; empty text
// restores it.
void SetDefaultHandlerForTesting(const std::string& program);

// --- Folders the main window uses (OperatingSystemWindow.cpp) ----------------
// Creates one folder; its parent must exist. False when it could not be made
// (it exists already, the parent is missing, no permission), with the last
// system error telling why.
bool CreateFolder(const std::string& path);

// A folder held open and reachable, while the object lives, under a second
// path of plain ASCII: a stand-in for the window toolkit, which cannot name a
// folder whose name is no text in the system's encoding. Path() is empty when
// the folder cannot be opened or the system offers no such path.
class TFolderStandIn {
 public:
  explicit TFolderStandIn(const std::string& folder);
  TFolderStandIn(const TFolderStandIn&) = delete;
  TFolderStandIn& operator=(const TFolderStandIn&) = delete;
  ~TFolderStandIn();

  const std::string& Path() const { return StandInPath; }

 private:
  int Descriptor = -1;
  std::string StandInPath;
};

}  // namespace Os
