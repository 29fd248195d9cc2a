#include "Libraries/File/WholeFile.h"

#include <cerrno>
#include <fstream>
#include <iterator>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary | std::ios::ate);
  if (!in) {
    Raise("Failed to read file.");
  }
  // One block read of the size the file has now; a file that grows or
  // shrinks meanwhile is read to its end all the same.
  const std::streamoff size = in.tellg();
  std::string bytes;
  if (size > 0) {
    bytes.resize(static_cast<size_t>(size));
    in.seekg(0);
    in.read(bytes.data(), size);
    bytes.resize(static_cast<size_t>(in.gcount()));
  }
  in.clear();
  bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    Raise("Failed to read file.");
  }
  return bytes;
}

namespace {
// A temporary name beside the target that no other file uses yet.
bool CreateTemporaryBeside(const std::string& path, Os::TWriteFile& file, std::string& name) {
  for (unsigned attempt = 0; attempt < 100; ++attempt) {
    name = path + ".tmp" + std::to_string(Os::TickCount() % 100000) + "-" + std::to_string(attempt);
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
}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& bytes) {
  Os::TWriteFile file;
  std::string temporary;
  if (!CreateTemporaryBeside(path, file, temporary)) {
    return false;
  }
  // No flush to the disk before the rename: the rename itself keeps the old
  // file whole until the new one is complete, and waiting for the disk would
  // make every save of a game take several milliseconds.
  bool written = file.Append(bytes);
  const int32_t writeError = Os::LastError();
  written = file.Close() && written;
  if (written && Os::RenameFile(temporary, path)) {
    return true;
  }
  const int32_t error = writeError != 0 ? writeError : Os::LastError();
  Os::DeleteFile(temporary);
  Os::SetLastError(error);
  return false;
}
