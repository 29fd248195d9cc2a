#include "Libraries/File/UninstallEntry.h"

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileMoves.h"
#include "Libraries/File/LinkFile.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {
constexpr const char* kRecordExtension = ".uninstall";
}  // namespace

std::string UninstallEntryPath(const std::string& keyName) {
  // The key names a file: it must not climb out of the folder or hide itself.
  if (!IsPlainFileName(keyName) || keyName[0] == '.') {
    return {};
  }
  return IncludeSlashIfNotEmpty(Os::UninstallEntriesFolder()) + keyName + kRecordExtension;
}

void SetUninstallRegistry(const std::string& keyName, const std::string& displayName,
                          const std::string& uninstallString) {
  PassingFunction("SetUninstallRegistry", [&](TFunScope&) {
    const std::string path = UninstallEntryPath(keyName);
    if (path.empty() || !ForceDirectories(Os::UninstallEntriesFolder())) {
      return;
    }
    ReplaceFileAtomically(path, "[Uninstall Entry]\nDisplayName=" + DesktopEntryValue(displayName) +
                                    "\nUninstallString=" + DesktopEntryValue(uninstallString) +
                                    "\n");
  });
}

std::string RecordedUninstallProgram(const std::string& keyName) {
  std::string record;
  try {
    record = "\n" + ReadWholeFile(UninstallEntryPath(keyName));
  } catch (...) {
    return {};  // no record, or none that can be read
  }
  const std::string key = "\nUninstallString=";
  const size_t found = record.find(key);
  if (found == std::string::npos) {
    return {};
  }
  const size_t start = found + key.size();
  const std::string value = record.substr(start, record.find('\n', start) - start);
  return FirstQuotedArgument(DesktopEntryValueText(value));
}

void DeleteUninstallerRegistry(const std::string& keyName) {
  PassingFunction("DeleteUninstallerRegistry", [&](TFunScope&) {
    const std::string path = UninstallEntryPath(keyName);
    if (!path.empty()) {
      Os::DeleteFile(path);
    }
  });
}
