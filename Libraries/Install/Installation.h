#pragma once
// Installing the program folder into a folder of the user's choice, with
// desktop and menu entries and an uninstall entry, and removing it again.
// Both are the top of a user action: a failure is shown in the error dialog.

#include <string>

inline constexpr const char* kReadmeFileName = "Readme.txt";
// The base name of the menu entry that uninstalls.
inline constexpr const char* kUninstallLinkName = "Uninstall";

// Copies the folder that holds the running installer into
// installTo/<that folder's name> after asking (a failed copy ends the
// install before anything else is changed), renames the copied installer
// to programName (replacing the old program file), writes the desktop entry,
// the menu folder with the program, uninstall and read-me entries and the
// uninstall entry, and starts the installed program. An options file
// (programName + ".ini") and a records file (programName + "Records.ini")
// already in place are kept, and so are the words that the installed words
// lists hold beyond the new ones. Failures end in the error
// dialog with "Failed to install program. Check to see if you have rights to
// write in the installation directory."
void InstallProgram(const std::string& programName, const std::string& installTo);

// After asking, deletes installedDirectory with everything in it, the
// desktop entry, the installer's entries in the menu folder (and the folder
// when nothing else is left in it), the start-up entry when it starts this
// program, and the uninstall entry, then says it is done. A file-system root, the home folder and
// any folder holding the home folder are refused. Only a folder that the uninstall entry names, and
// in which the running program lies, is deleted: for any other a warning says that this copy was
// not installed and nothing goes. Failures end in the error dialog with "Failed to uninstall
// program."
void UninstallProgram(const std::string& programName, const std::string& installedDirectory);

// True for a folder the uninstaller must never delete: the file-system root,
// the user's home folder, or a folder that contains the home folder.
bool IsProtectedFolder(const std::string& directory);
