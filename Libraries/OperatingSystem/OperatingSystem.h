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
// The value of the environment variable; empty when it is not set.
std::string EnvironmentVariable(const char* name);
// Sets the environment variable of this process (and of the programs it starts
// from now on); an empty value removes it.
void SetEnvironmentVariable(const char* name, const std::string& value);

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

// --- Files and folders by name (OperatingSystemFiles.cpp) --------------------
// Every call sets the last system error on failure.
enum class TFileKind { Missing, Regular, Folder, Link, Pipe, Device, Socket, Other };
struct TFileStatus {
  TFileKind Kind = TFileKind::Missing;  // Missing also when it cannot be examined
  uint32_t Mode = 0;                    // the permission bits (as chmod takes them)
  uint64_t Device = 0;                  // Device and Inode together name one file
  uint64_t Inode = 0;
  int64_t Size = 0;
  int64_t ModifiedNanoseconds = 0;      // last change of the contents, since 1970 UTC
  int64_t ChangedNanoseconds = 0;       // last change of the file or its entry (contents,
                                        // name, mode, times); no program sets it back
  uint32_t Owner = 0;                   // the user id of the file's owner
};
// The time now, by the clock that stamps files: nanoseconds since 1970 UTC.
int64_t FileClockNanoseconds();
// The id of the user this program runs as, who owns the files it makes.
uint32_t UserId();
// The id of this process.
uint32_t ProcessId();
// Whether a process of that id runs on this machine, whoever's it is; true
// when the system cannot tell (an id that no process can have included).
bool ProcessRuns(uint32_t id);
// Permission bits of the file's owner.
inline constexpr uint32_t kOwnerWrite = 0200;
inline constexpr uint32_t kOwnerAll = 0700;

// What the path names, through symbolic links (a link to nothing is Missing).
TFileStatus PathStatus(const std::string& path);
// What the path names itself: a symbolic link is a Link.
TFileStatus LinkStatus(const std::string& path);
// The size in bytes of an open file; -1 on failure.
int64_t OpenFileSize(int descriptor);
// Opens an existing file for reading, without blocking on a pipe and without
// taking a terminal as the controlling one; -1 on failure.
int OpenForReading(const std::string& path);
// What an open file is (Missing when it cannot be examined).
TFileStatus OpenFileStatus(int descriptor);
// Closes a file opened here, leaving the last system error as it was.
void CloseFile(int descriptor);
// Whether the user may run the file (or search the folder).
bool IsExecutableByUser(const std::string& path);
// Gives the path the permission bits; a symbolic link is never followed.
bool SetModeNoFollow(const std::string& path, uint32_t mode);

// The absolute form of the path (relative to the current folder), with "."
// and ".." parts resolved in the text; links are not followed. Empty when the
// current folder cannot be told.
std::string AbsolutePath(const std::string& path);
// The path with every link and "." or ".." resolved; empty when it does not
// exist. The weak form resolves the part that exists and keeps the rest.
std::string CanonicalPath(const std::string& path);
std::string WeaklyCanonicalPath(const std::string& path);

// Renames, refusing to replace an existing file of the new name (in one step
// where the file system allows it).
bool RenameFileNoReplace(const std::string& from, const std::string& to);
// Reads an open file to its end in blocks, handing each to take (retrying
// reads a signal broke off). False on a read error or when take refuses a block.
bool ReadBlocks(int descriptor, const std::function<bool(const char*, size_t)>& take);
// Copies the file's bytes and permissions over destination in one step (a
// temporary file beside it, then a rename); false on failure.
bool CopyFileReplacing(const std::string& source, const std::string& destination);
// Makes one folder with the permission bits (less the umask).
bool MakeFolder(const std::string& folder, uint32_t mode);
// Removes the folder when it is empty; a folder with entries stays (false).
bool RemoveEmptyFolder(const std::string& folder);
// The target text of a symbolic link; false when path is none.
bool ReadLink(const std::string& path, std::string& target);
// Makes a symbolic link at path that leads to target.
bool MakeLink(const std::string& target, const std::string& path);

// The names of the folder's entries, "." and ".." left out, in the order the
// system gives them. False when the folder cannot be read, or the scan broke
// off (names then holds what was read).
bool ListFolder(const std::string& folder, std::vector<std::string>& names);
// The longest file name, in bytes, that the folder's file system takes
// (255 when the system cannot tell). An empty folder is the current one.
size_t MaxFileNameLength(const std::string& folder);

// A folder held open, so that a tree can be walked and deleted without ever
// following a symbolic link, even one put in place while it is walked.
class TOpenFolder {
 public:
  TOpenFolder() = default;
  TOpenFolder(const TOpenFolder&) = delete;
  TOpenFolder& operator=(const TOpenFolder&) = delete;
  ~TOpenFolder();

  // Opens the folder name inside parent (a path of its own without parent);
  // fails for a symbolic link or anything that is no folder.
  bool Open(const TOpenFolder* parent, const std::string& name);
  // What the entry of this folder names itself (links not followed).
  TFileStatus EntryStatus(const std::string& name) const;
  // Removes the entry: a file or link, or an empty folder when folder is set.
  bool RemoveEntry(const std::string& name, bool folder);
  // The entries' names, as ListFolder gives them.
  bool Entries(std::vector<std::string>& names);
  // Gives the open folder the permission bits.
  bool SetMode(uint32_t mode);

 private:
  int Descriptor = -1;
};

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
// A lock by name, one for each user of the machine, which the system releases
// when its holder ends, however it ends. It is a file lock in the user's
// private runtime folder ($XDG_RUNTIME_DIR, else /run/user/<uid>; under a
// stand-in home, that home), which no other account can take, and a socket
// name where later starts of the user meet the holder whatever their
// environment. A socket name another user took first is passed over for a
// name derived from it, the same for every process of the user.
enum class TInstanceLock {
  Acquired,       // this process holds it now; handle set
  HeldElsewhere,  // another process of this user has it
  Unavailable,    // the lock could not be made; the last system error tells why
};
// What a held lock keeps open; -1 for a part it could not have.
struct TInstanceHandle {
  int LockFile = -1;  // the file lock in the runtime folder
  int Requests = -1;  // the socket later starts leave requests at
};
// The longest request a holder reads; a longer one is cut there.
inline constexpr size_t kMaxInstanceRequest = 256;
// Takes the lock without waiting. When another process of this user holds
// it and request is not empty, those bytes are sent to the holder, which
// finds them through TakeInstanceRequests. Acquired also when only the file
// lock could be had (every socket name taken by others): Requests is then -1.
TInstanceLock LockInstance(const std::string& name, TInstanceHandle& handle,
                           const std::string& request = {});
// Releases what the handle holds and resets it.
void UnlockInstance(TInstanceHandle& handle);
// The requests that processes of this user have sent to the held lock's
// Requests socket since the last call, oldest first, each at most
// kMaxInstanceRequest bytes; requests of other users and empty ones are
// dropped unread. Waits for no new ones: the socket turns readable when one
// comes.
std::vector<std::string> TakeInstanceRequests(int requests);

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
