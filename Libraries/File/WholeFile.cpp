#include "Libraries/File/WholeFile.h"

#include <cerrno>
#include <fstream>
#include <iterator>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    Raise("Failed to read file.");
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
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
  bool written = file.Append(bytes) && file.Sync();
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
