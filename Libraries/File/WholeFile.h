#pragma once
// Reading and writing a file as one block of bytes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// Reads an open file to its end in blocks, handing each to take (retrying
// reads a signal broke off). False on a read error or when take refuses a block.
bool ReadBlocks(int descriptor, const std::function<bool(const char*, size_t)>& take);

// No limit to the size of a file that is read.
inline constexpr size_t kAnyFileSize = SIZE_MAX;

// Reads the whole file into bytes, as a passing function (see
// FunctionScope.h). A path that is no regular file fails with a description
// of what it names (FileKindProblem) and is never waited on: a pipe without a
// writer does not block. A file that cannot be opened or read fails with
// "Failed to read file." (path, system error); one larger than maxBytes fails
// with a description that gives the limit, before anything is read. False on
// failure.
bool ReadFileBytes(const std::string& path, std::string& bytes, size_t maxBytes = kAnyFileSize);

// The file's bytes as they are, by the same rules. Throws TRaisedError with
// the failure's description, so that the caller's status context reports it.
std::string ReadWholeFile(const std::string& path, size_t maxBytes = kAnyFileSize);

// The mode argument of ReplaceFileAtomically that keeps the old file's mode.
inline constexpr int32_t kKeepFileMode = -1;

// Replaces the file with the bytes in one step: writes a temporary file in
// the same folder, waits until it is on the disk, then renames it over the
// old one and waits for the folder, so that the old file or the new one is
// there, never a part, even after a power cut. The new file gets mode when
// given; else the mode of the regular file it replaces (a new file, or one
// that replaces a link, gets 0644 less the umask). A symbolic link at path
// is replaced itself: its target is never touched; a folder, a pipe, a
// device or a socket is not replaced. False on failure, with the
// last system error telling why; the temporary file is removed. After a
// save, the temporary files that interrupted saves of the same file left
// beside it are removed too: only this user's regular files named exactly
// as a save of this file names them, whose writing process has ended and
// which have not been written to for an hour.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes,
                           int32_t mode = kKeepFileMode);
