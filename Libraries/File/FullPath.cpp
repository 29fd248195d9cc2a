#include "Libraries/File/FullPath.h"

#include "Libraries/OperatingSystem/OperatingSystem.h"

std::string LongPathName(const std::string& path) {
  return path;
}

std::string FullLongPath(const std::string& path) {
  if (path.empty()) {
    return {};
  }
  const std::string absolute = Os::AbsolutePath(path);
  return LongPathName(absolute.empty() ? path : absolute);
}

std::string FullNetworkPath(const std::string& path) {
  return FullLongPath(path);
}

bool IsSameFile(const std::string& a, const std::string& b) {
  const Os::TFileStatus first = Os::PathStatus(a);
  const Os::TFileStatus second = Os::PathStatus(b);
  if (first.Kind != Os::TFileKind::Missing && second.Kind != Os::TFileKind::Missing) {
    return first.Device == second.Device && first.Inode == second.Inode;
  }
  return FullNetworkPath(a) == FullNetworkPath(b);
}

std::string CanonicalPath(const std::string& path) {
  return Os::CanonicalPath(path);
}

std::string ResolveLinkWithin(const std::string& path, const std::vector<std::string>& folders) {
  if (Os::LinkStatus(path).Kind != Os::TFileKind::Link) {
    return path;
  }
  const std::string target = CanonicalPath(path);
  if (target.empty()) {
    return {};
  }
  for (const std::string& folder : folders) {
    std::string inside = CanonicalPath(folder);
    if (inside.empty()) {
      continue;
    }
    if (inside.back() != '/') {
      inside += '/';
    }
    if (target.compare(0, inside.size(), inside) == 0) {
      return target;
    }
  }
  return {};
}
