#include "Libraries/File/SystemFolders.h"

#include "Libraries/File/FileMoves.h"
#include "Libraries/File/PathText.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

std::string GetSystemDirectoryPath(int32_t folder) {
  std::string path;
  switch (folder) {
    case kFolderPrograms:
      path = Os::ApplicationsMenuFolder();
      break;
    case kFolderStartup:
      path = Os::AutostartFolder();
      break;
    case kFolderDesktop:
      path = Os::DesktopFolder();
      break;
    case kFolderProgramFiles:
      path = Os::UserProgramsFolder();
      break;
    default:
      return {};
  }
  ForceDirectories(path);
  return IncludeSlashIfNotEmpty(path);
}
