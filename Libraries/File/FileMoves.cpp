#include "Libraries/File/FileMoves.h"

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/PathText.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
constexpr uint32_t kFolderMode = 0755;
}  // namespace

void MyRenameFile(const std::string& oldName, const std::string& newName, bool overwrite) {
  PassingFunction("MyRenameFile", [&](TFunScope& Fun) {
    // A rename replaces an existing new name in one step, read-only or not;
    // the new name is never deleted first, so a rename that fails leaves it.
    Os::ClearLastError();
    const bool renamed =
        overwrite ? Os::RenameFile(oldName, newName) : Os::RenameFileNoReplace(oldName, newName);
    if (!renamed) {
      Fun.Fail("Failed to rename.", oldName, newName, Os::LastError());
    }
  });
}

bool CopyFileReplacing(const std::string& source, const std::string& destination) {
  return Os::CopyFileReplacing(source, destination);
}

bool ForceDirectories(const std::string& folder) {
  if (folder.empty()) {
    return false;
  }
  const Os::TFileKind kind = Os::PathStatus(folder).Kind;
  if (kind != Os::TFileKind::Missing) {
    return kind == Os::TFileKind::Folder;
  }
  std::string parent = folder;
  while (parent.size() > 1 && parent.back() == kPathDelimiter) {
    parent.pop_back();
  }
  parent = DirectoryOfPath(parent);
  if (!parent.empty() && parent != folder && !ForceDirectories(parent)) {
    return false;
  }
  return Os::MakeFolder(folder, kFolderMode) || Os::LastError() == Os::kErrorAlreadyExists;
}
