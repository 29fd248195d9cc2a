#pragma once
// The uninstall entry of an installed program: a small record file of its
// display name and the command that uninstalls it, one file per program in
// the user's uninstall entries folder.

#include <string>

// The record file of the key; empty when the key is no plain file name.
std::string UninstallEntryPath(const std::string& keyName);
// Writes (or replaces) the record:
//   [Uninstall Entry]
//   DisplayName=<display name>
//   UninstallString=<uninstall command>
// with values escaped as in desktop entries. A record that cannot be written,
// or a key that is no plain file name, is passed over silently.
void SetUninstallRegistry(const std::string& keyName, const std::string& displayName,
                          const std::string& uninstallString);
// The program file that the uninstall command of the key's record names
// first; empty when there is no record or it names none.
std::string RecordedUninstallProgram(const std::string& keyName);
// Removes the record of the key, when there is one.
void DeleteUninstallerRegistry(const std::string& keyName);
