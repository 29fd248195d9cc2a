#pragma once
// The program file is also its own installer: named "Install" it installs,
// started with "/Uninstall" it uninstalls.

#include <string>

// The installer's file name on this system, and the name it had on Windows.
inline constexpr const char* kInstallerFileName = "Install";
inline constexpr const char* kWindowsInstallerFileName = "Install.exe";
inline constexpr const char* kUninstallArgument = "/Uninstall";

// "Install" or "Install.exe" in any letter case.
bool IsInstallerFileName(const std::string& fileName);
// "/Uninstall" in any letter case.
bool IsUninstallArgument(const std::string& argument);
// True when the program file has the installer's name, or when its first
// argument is the uninstall argument.
bool IsInstallerMode();
