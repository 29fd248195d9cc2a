#include "Libraries/Program/ProgramPaths.h"

#include "Libraries/File/PathText.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"

std::string GetCommandLineParameter(int index) {
  const auto& parameters = Os::CommandLine();
  if (index < 0 || static_cast<size_t>(index) >= parameters.size()) {
    return {};
  }
  return parameters[static_cast<size_t>(index)];
}

std::string GetProgramPath() { return GetCommandLineParameter(0); }

std::string GetProgramDirectory() { return DirectoryOfPath(GetProgramPath()); }

std::string GetProgramFileName() { return NameOfPath(GetProgramPath()); }

std::string GetProgramDirFile(const std::string& name) {
  return IncludeSlashIfNotEmpty(GetProgramDirectory()) + name;
}

std::string GamesDirectory() {
  return GetProgramDirFile(std::string(kGamesFolderName) + kPathDelimiter);
}

std::string DictionariesDirectory() {
  return GetProgramDirFile(std::string(kDictionariesFolderName) + kPathDelimiter);
}

std::string ProgramIconName(int size) {
  return "Icons/Glyphmason-" + std::to_string(size) + ".png";
}

std::string ProgramIconFile(int size) { return GetProgramDirFile(ProgramIconName(size)); }
