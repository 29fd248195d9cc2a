#include "Libraries/File/FileOperations.h"

#include "Libraries/OperatingSystem/OperatingSystem.h"

bool FileExists(const std::string& path) {
  return !path.empty() && Os::PathStatus(path).Kind != Os::TFileKind::Missing;
}

bool IsReadOnly(const std::string& path) {
  if (path.empty()) {
    return false;
  }
  const Os::TFileStatus status = Os::PathStatus(path);
  return status.Kind != Os::TFileKind::Missing && (status.Mode & Os::kOwnerWrite) == 0;
}

void ClearReadOnly(const std::string& path) {
  if (path.empty()) {
    return;
  }
  const Os::TFileStatus status = Os::LinkStatus(path);
  if (status.Kind == Os::TFileKind::Missing || status.Kind == Os::TFileKind::Link ||
      (status.Mode & Os::kOwnerWrite) != 0) {
    return;
  }
  // Never through a link, even one put in its place since it was looked at.
  Os::SetModeNoFollow(path, status.Mode | Os::kOwnerWrite);
}

std::string FileKindProblem(const std::string& path) {
  if (path.empty()) {
    return {};
  }
  const char* kind = "something else";
  switch (Os::PathStatus(path).Kind) {
    case Os::TFileKind::Missing:
    case Os::TFileKind::Regular:
      return {};
    case Os::TFileKind::Folder:
      kind = "a folder";
      break;
    case Os::TFileKind::Pipe:
      kind = "a pipe";
      break;
    case Os::TFileKind::Device:
      kind = "a device";
      break;
    case Os::TFileKind::Socket:
      kind = "a socket";
      break;
    default:
      break;
  }
  return std::string("The path names ") + kind + ", not a file.";
}
