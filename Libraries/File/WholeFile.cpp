#include "Libraries/File/WholeFile.h"

#include <cerrno>
#include <vector>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/TemporaryNames.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
constexpr const char* kReadFailed = "Failed to read file.";

// "The file is larger than 64 MB, the most it may hold."
std::string TooLargeProblem(size_t maxBytes) {
  const bool megabytes = maxBytes % (size_t{1} << 20) == 0;
  return "The file is larger than " +
         (megabytes ? std::to_string(maxBytes >> 20) + " MB"
                    : std::to_string(maxBytes) + " bytes") +
         ", the most it may hold.";
}

// Reads a regular file whole, up to maxBytes. False with the description of
// the failure in problem, and the system error in errno (0 for a path of
// another kind).
bool ReadRegularFile(const std::string& path, std::string& bytes, std::string& problem,
                     size_t maxBytes) {
  problem = FileKindProblem(path);
  if (!problem.empty()) {
    errno = 0;
    return false;
  }
  problem = kReadFailed;
  // Not blocking, in case the path became a pipe since it was looked at.
  const int descriptor = Os::OpenForReading(path);
  if (descriptor < 0) {
    return false;
  }
  const Os::TFileStatus status = Os::OpenFileStatus(descriptor);
  bool read = status.Kind == Os::TFileKind::Regular;
  if (!read && status.Kind != Os::TFileKind::Missing) {
    errno = EINVAL;
  }
  if (read && static_cast<uint64_t>(status.Size) > maxBytes) {
    read = false;
    problem = TooLargeProblem(maxBytes);
    errno = EFBIG;
  }
  std::string content;
  if (read) {
    content.reserve(static_cast<size_t>(status.Size));
    // A file that grows while it is read is held to the limit too.
    read = ReadBlocks(descriptor, [&](const char* block, size_t size) {
      if (size > maxBytes - content.size()) {
        problem = TooLargeProblem(maxBytes);
        errno = EFBIG;
        return false;
      }
      content.append(block, size);
      return true;
    });
  }
  Os::CloseFile(descriptor);
  if (read) {
    bytes = std::move(content);
    problem.clear();
  }
  return read;
}
}  // namespace

bool ReadBlocks(int descriptor, const std::function<bool(const char*, size_t)>& take) {
  return Os::ReadBlocks(descriptor, take);
}

bool ReadFileBytes(const std::string& path, std::string& bytes, size_t maxBytes) {
  return PassingFunction("ReadWholeFile", [&](TFunScope& Fun) {
    std::string problem;
    Os::ClearLastError();
    if (!ReadRegularFile(path, bytes, problem, maxBytes)) {
      Fun.Fail(problem, path, "", Os::LastError());
      return false;
    }
    return true;
  });
}

std::string ReadWholeFile(const std::string& path, size_t maxBytes) {
  std::string bytes;
  std::string problem;
  if (!ReadRegularFile(path, bytes, problem, maxBytes)) {
    Raise(problem);
  }
  return bytes;
}

namespace {
// A leftover younger than this may still be written by a process this one
// cannot see (on another machine, or in another process namespace).
constexpr int64_t kLeftoverAgeNanoseconds = int64_t{3600} * 1000000000;

// A temporary name beside the target that no other file uses yet; it fits
// in the folder whenever the target's name does.
bool CreateTemporaryBeside(const std::string& path, Os::TWriteFile& file, std::string& name) {
  const std::string folder = DirectoryOfPath(path);
  const size_t maxNameLength = Os::MaxFileNameLength(folder);
  for (unsigned attempt = 0; attempt <= kMaxTemporaryAttempt; ++attempt) {
    name = folder + TemporaryName(NameOfPath(path), Os::ProcessId(), attempt, maxNameLength);
    Os::ClearLastError();
    if (file.CreateNew(name)) {
      return true;
    }
    if (Os::LastError() != Os::kErrorAlreadyExists) {
      return false;
    }
  }
  return false;
}

// Whether the file at path is a save of this user's that broke off: a
// regular file (no link followed) that the user owns, whose writer no longer
// runs and that nothing has written to for a long time.
bool IsAbandonedTemporary(const std::string& path, uint32_t writer) {
  const Os::TFileStatus status = Os::LinkStatus(path);
  return status.Kind == Os::TFileKind::Regular && status.Owner == Os::UserId() &&
         !Os::ProcessRuns(writer) &&
         Os::FileClockNanoseconds() - status.ModifiedNanoseconds > kLeftoverAgeNanoseconds;
}

// Removes the temporary files that interrupted saves of path left beside it:
// only files named exactly as this program names them for path, and only
// when they are abandoned.
void RemoveLeftoverTemporaries(const std::string& path) {
  const std::string folder = DirectoryOfPath(path);
  const std::string finalName = NameOfPath(path);
  const size_t maxNameLength = Os::MaxFileNameLength(folder);
  std::vector<std::string> names;
  Os::ListFolder(folder.empty() ? "." : folder, names);
  for (const std::string& name : names) {
    uint32_t writer = 0;
    if (IsTemporaryNameOf(name, finalName, maxNameLength, writer) &&
        IsAbandonedTemporary(folder + name, writer)) {
      Os::DeleteFile(folder + name);
    }
  }
}

// The mode the new file gets, given what stands at the path now (a link is
// not followed); -1 to leave the one it was created with.
int32_t ModeForReplacement(const Os::TFileStatus& existing, int32_t mode) {
  if (mode != kKeepFileMode) {
    return mode;
  }
  return existing.Kind == Os::TFileKind::Regular ? static_cast<int32_t>(existing.Mode)
                                                 : kKeepFileMode;
}
}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes, int32_t mode) {
  // A pipe, a device or a socket is never replaced by a file.
  const Os::TFileStatus existing = Os::LinkStatus(path);
  if (existing.Kind != Os::TFileKind::Missing && existing.Kind != Os::TFileKind::Regular &&
      existing.Kind != Os::TFileKind::Link) {
    Os::SetLastError(existing.Kind == Os::TFileKind::Folder ? EISDIR : EINVAL);
    return false;
  }
  Os::TWriteFile file;
  std::string temporary;
  if (!CreateTemporaryBeside(path, file, temporary)) {
    return false;
  }
  const int32_t newMode = ModeForReplacement(existing, mode);
  bool written = file.Append(bytes) &&
                 (newMode == kKeepFileMode || file.SetMode(static_cast<uint32_t>(newMode))) &&
                 file.Flush();
  const int32_t writeError = written ? 0 : Os::LastError();
  written = file.Close() && written;
  if (written && Os::RenameFile(temporary, path)) {
    // The rename is on the disk once the folder is: only then is the save
    // done. A file system that cannot flush folders has nothing to wait for.
    RemoveLeftoverTemporaries(path);
    Os::ClearLastError();
    return Os::FlushFolder(DirectoryOfPath(path)) || Os::LastError() == EINVAL ||
           Os::LastError() == ENOTSUP;
  }
  const int32_t error = writeError != 0 ? writeError : Os::LastError();
  Os::DeleteFile(temporary);
  Os::SetLastError(error);
  return false;
}
