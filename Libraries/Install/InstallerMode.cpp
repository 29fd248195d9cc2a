#include "Libraries/Install/InstallerMode.h"

#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/Cp1252.h"

bool IsInstallerFileName(const std::string& fileName) {
  const std::string name = UpperCaseCp1252(fileName);
  return name == UpperCaseCp1252(kInstallerFileName) ||
         name == UpperCaseCp1252(kWindowsInstallerFileName);
}

bool IsUninstallArgument(const std::string& argument) {
  return UpperCaseCp1252(argument) == UpperCaseCp1252(kUninstallArgument);
}

bool IsInstallerMode() {
  return IsInstallerFileName(GetProgramFileName()) ||
         IsUninstallArgument(GetCommandLineParameter(1));
}
