#include "Libraries/File/DirectoryTree.h"

#include <algorithm>
#include <cerrno>
#include <vector>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileMoves.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/PathText.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/Translation.h"

namespace {
// A copied folder whose source cannot be examined gets these permission bits.
constexpr uint32_t kDefaultFolderMode = 0755;

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == kPathDelimiter) {
    path.pop_back();
  }
  return path;
}

void RemoveEntry(Os::TOpenFolder* parent, const std::string& name, bool folder) {
  if (parent != nullptr) {
    parent->RemoveEntry(name, folder);
  } else if (folder) {
    Os::RemoveEmptyFolder(name);
  } else {
    Os::DeleteFile(name);
  }
}

// Deletes the entry name of the open folder parent (of the current folder
// without one), with path as its full name for the report. Every level works
// through open folders, so a folder swapped for a link while the tree is
// deleted is not followed either.
void DeleteTreeAt(Os::TOpenFolder* parent, const std::string& name, const std::string& path) {
  PassingFunction("DeleteDirectoryNoErrors", [&](TFunScope& Fun) {
    const Os::TFileStatus status =
        parent != nullptr ? parent->EntryStatus(name) : Os::LinkStatus(name);
    if (status.Kind != Os::TFileKind::Missing && status.Kind != Os::TFileKind::Folder) {
      RemoveEntry(parent, name, false);  // a link (or file) goes, its target stays
      return;
    }
    Os::ClearLastError();
    Os::TOpenFolder folder;
    if (!folder.Open(parent, name)) {
      Fun.Fail("Can not find directory.", path);
    } else {
      // Entries of a folder without write permission cannot be removed.
      if ((status.Mode & Os::kOwnerWrite) == 0) {
        folder.SetMode(status.Mode | Os::kOwnerAll);
      }
      std::vector<std::string> children;
      if (!folder.Entries(children)) {
        Fun.Fail("Failed to delete directory content.", path);
      }
      for (const std::string& child : children) {
        if (folder.EntryStatus(child).Kind == Os::TFileKind::Folder) {
          DeleteTreeAt(&folder, child, IncludeSlashIfNotEmpty(path) + child);
        } else {
          folder.RemoveEntry(child, false);
        }
      }
    }
    RemoveEntry(parent, name, true);
  });
}

void AskAboutFailure(const TCopyFailureQuestion& askOnFailure) {
  if (askOnFailure) {
    askOnFailure(Translated("DirectoryTree", "Failed to process directory."));
  }
}

// A copy of the link itself, replacing a file or link of that name.
void CopyLink(const std::string& source, const std::string& destination) {
  std::string target;
  if (!Os::ReadLink(source, target)) {
    return;
  }
  const Os::TFileKind existing = Os::LinkStatus(destination).Kind;
  if (existing == Os::TFileKind::Folder) {
    return;
  }
  if (existing != Os::TFileKind::Missing) {
    Os::DeleteFile(destination);
  }
  Os::MakeLink(target, destination);
}

void CopyFileOver(const std::string& source, const std::string& destination) {
  if (Os::LinkStatus(destination).Kind == Os::TFileKind::Regular) {
    ClearReadOnly(destination);
  }
  CopyFileReplacing(source, destination);
}

// The destination folder of one level: made when missing. Below the top
// level an existing entry must be a real folder, not a link to one.
bool MakeDestinationFolder(const std::string& destination, uint32_t mode, bool nested) {
  const std::string folder = WithoutTrailingSlashes(destination);
  const Os::TFileKind existing = nested ? Os::LinkStatus(folder).Kind : Os::PathStatus(folder).Kind;
  if (existing != Os::TFileKind::Missing) {
    if (existing == Os::TFileKind::Folder) {
      return true;
    }
    Os::SetLastError(ENOTDIR);
    return false;
  }
  // The chosen target folder may not be there yet; the folders in it are.
  const std::string parent = DirectoryOfPath(folder);
  if (!nested && !parent.empty() && !ForceDirectories(parent)) {
    return false;
  }
  // The owner must be able to fill it, whatever the source folder allows.
  return Os::MakeFolder(folder, (mode & 0777) | Os::kOwnerAll);
}

// True when destination is source itself or lies somewhere below it: the
// copy would then find its own output and descend into it without end.
bool IsInsideOf(const std::string& destination, const std::string& source) {
  const std::string inner = Os::WeaklyCanonicalPath(destination);
  const std::string outer = inner.empty() ? std::string() : Os::CanonicalPath(source);
  if (outer.empty()) {
    return false;
  }
  const std::string prefix = IncludeSlashIfNotEmpty(outer);
  return inner == outer || inner.compare(0, prefix.size(), prefix) == 0;
}

void CopyTree(const std::string& source, const std::string& destination,
              const std::vector<std::string>& keepExistingNames,
              const TCopyFailureQuestion& askOnFailure, bool nested) {
  PassingFunction("CopyDeleteDirectory", [&](TFunScope& Fun) {
    if (destination.empty()) {
      Fun.Fail("Empty destination name.", source, destination, 0);
      AskAboutFailure(askOnFailure);
      return;
    }
    if (!nested && IsInsideOf(destination, source)) {
      Fun.Fail("Destination lies inside the source directory.", source, destination, 0);
      AskAboutFailure(askOnFailure);
      return;
    }
    const Os::TFileStatus sourceStatus = Os::PathStatus(source);
    const uint32_t mode =
        sourceStatus.Kind != Os::TFileKind::Missing ? sourceStatus.Mode : kDefaultFolderMode;
    Os::ClearLastError();
    if (!MakeDestinationFolder(destination, mode, nested)) {
      Fun.Fail("Failed to create directory.", source, destination, Os::LastError());
      AskAboutFailure(askOnFailure);
      return;
    }
    Os::ClearLastError();
    std::vector<std::string> names;
    if (!Os::ListFolder(source, names) && names.empty()) {
      Fun.Fail("Failed to find first file.", source, destination, Os::LastError());
      AskAboutFailure(askOnFailure);
      return;
    }
    const std::string from = IncludeSlashIfNotEmpty(source);
    const std::string to = IncludeSlashIfNotEmpty(destination);
    for (const std::string& name : names) {
      if (name.empty() || name[0] == '.') {
        continue;  // the hidden files
      }
      switch (Os::LinkStatus(from + name).Kind) {
        case Os::TFileKind::Folder:
          CopyTree(from + name, to + name, {}, askOnFailure, true);
          break;
        case Os::TFileKind::Link:
          CopyLink(from + name, to + name);
          break;
        case Os::TFileKind::Regular: {
          const bool kept = std::find(keepExistingNames.begin(), keepExistingNames.end(), name) !=
                            keepExistingNames.end();
          if (!kept || !FileExists(to + name)) {
            CopyFileOver(from + name, to + name);
          }
          break;
        }
        default:
          break;  // pipes, sockets and devices are not copied
      }
    }
  });
}
}  // namespace

void DeleteDirectoryNoErrors(const std::string& directory) {
  DeleteTreeAt(nullptr, WithoutTrailingSlashes(directory), directory);
}

void CopyDeleteDirectory(const std::string& source, const std::string& destination,
                         const std::vector<std::string>& keepExistingNames,
                         const TCopyFailureQuestion& askOnFailure) {
  CopyTree(source, destination, keepExistingNames, askOnFailure, false);
}
