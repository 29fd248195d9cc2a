#include "Libraries/Install/Installation.h"

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/DirectoryTree.h"
#include "Libraries/File/FileMoves.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/FullPath.h"
#include "Libraries/File/LinkFile.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/RunFile.h"
#include "Libraries/File/SystemFolders.h"
#include "Libraries/File/UninstallEntry.h"
#include "Libraries/Install/InstallerMode.h"
#include "Libraries/Install/KeptWords.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/Translation.h"

namespace {
// Shown in the error dialog, which translates them.
constexpr const char* kInstallFailed =
    TranslatableText("TErrorForm",
                     "Failed to install program. Check to see if you have rights to write in the "
                     "installation directory.");
constexpr const char* kUninstallFailed =
    TranslatableText("TErrorForm", "Failed to uninstall program.");
constexpr const char* kOptionsExtension = ".ini";
constexpr const char* kRecordsSuffix = "Records.ini";
constexpr const char* kGameCategories = "Game;BoardGame;";
constexpr int kEntryIconSize = 256;
constexpr uint32_t kMenuFolderMode = 0755;

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == kPathDelimiter) {
    path.pop_back();
  }
  return path;
}

// The last component of a folder path: "/a/Glyphmason/" gives "Glyphmason".
std::string FolderName(const std::string& folder) {
  return NameOfPath(WithoutTrailingSlashes(folder));
}

// The path with links resolved where it exists; its plain full form else.
std::string ResolvedPath(const std::string& path) {
  const std::string resolved = CanonicalPath(path);
  return !resolved.empty() ? resolved : WithoutTrailingSlashes(FullLongPath(path));
}

// True when the installer's uninstall record names a program in directory
// and the running program lies there too: only then is it an installation
// that may be deleted.
bool IsRecordedInstallation(const std::string& programName, const std::string& directory) {
  const std::string recorded = RecordedUninstallProgram(programName);
  return !recorded.empty() && FileExists(directory) &&
         IsSameFile(DirectoryOfPath(recorded), directory) &&
         IsSameFile(GetProgramDirectory(), directory);
}

// How a desktop entry of the installed program shows in a menu: menus are
// flat, so the names say what each entry is.
struct TEntryLook {
  std::string ShownName;
  std::string Categories;
};

void CreateEntry(const std::string& target, const std::string& linkPath,
                 const std::string& arguments, const std::string& icon, const TEntryLook& look) {
  PassingFunction("CreateEntry", [&](TFunScope& Fun) {
    TLinkFile link;
    link.ReferencePath = target;
    link.WorkingPath = DirectoryOfPath(target);
    link.Arguments = arguments;
    link.IconPath = icon;
    link.ShownName = look.ShownName;
    link.Categories = look.Categories;
    link.Save(linkPath, true);
    Fun.CalleeFailed();
  });
}

// The entries that the installer writes into the program's menu folder:
// the program, its uninstaller and its read-me, in this order.
struct TMenuEntryNames {
  std::string Program;
  std::string Uninstall;
  std::string Readme;
};

TMenuEntryNames MenuEntryNames(const std::string& programName, const std::string& installed) {
  return {programName + kLinkExtension, kUninstallLinkName + LinkExtension(installed + programName),
          PathWithoutExtension(kReadmeFileName) + LinkExtension(installed + kReadmeFileName)};
}

std::string MenuFolder(const std::string& folderName) {
  return IncludeSlashIfNotEmpty(GetSystemDirectoryPath(kFolderPrograms) + folderName);
}

void CreateShortcuts(const std::string& programName, const std::string& folderName,
                     const std::string& installed, const std::string& uninstallCommand) {
  const std::string executable = installed + programName;
  const std::string readme = installed + kReadmeFileName;
  const std::string icon = installed + ProgramIconName(kEntryIconSize);
  const TEntryLook game{programName, kGameCategories};
  const std::string linkName = programName + kLinkExtension;
  CreateEntry(executable, GetSystemDirectoryPath(kFolderDesktop) + linkName, "", icon, game);
  const std::string menuFolder = MenuFolder(folderName);
  Os::MakeFolder(menuFolder, kMenuFolderMode);
  const TMenuEntryNames names = MenuEntryNames(programName, installed);
  CreateEntry(executable, menuFolder + names.Program, "", icon, game);
  CreateEntry(executable, menuFolder + names.Uninstall, kUninstallArgument, icon,
              {"Uninstall " + programName, ""});
  CreateEntry(readme, menuFolder + names.Readme, "", icon, {programName + " read-me", ""});
  SetUninstallRegistry(programName, programName, uninstallCommand);
}

// Removes the installer's entries from the menu folder, and the folder when
// nothing else is left in it: other programs may keep entries there too.
void DeleteMenuEntries(const std::string& programName, const std::string& folderName,
                       const std::string& installed) {
  const std::string menuFolder = MenuFolder(folderName);
  const TMenuEntryNames names = MenuEntryNames(programName, installed);
  for (const std::string& name : {names.Program, names.Uninstall, names.Readme}) {
    Os::DeleteFile(menuFolder + name);
  }
  Os::RemoveEmptyFolder(menuFolder);
}
// Each level of the program folder that cannot be copied says so in a plain
// box; the install stops after the copy either way.
void AskAboutCopyFailure(const std::string& text) {
  ShowDialogBox(Translated("MyDialogs", "Error"), text, kMbOkCancel | kMbIconHand);
}
}  // namespace

bool IsProtectedFolder(const std::string& directory) {
  const std::string folder = ResolvedPath(directory);
  const std::string home = ResolvedPath(Os::HomeFolder());
  if (folder.empty() || folder == "/" || folder == home) {
    return true;
  }
  return home.compare(0, folder.size() + 1, folder + kPathDelimiter) == 0;
}

void InstallProgram(const std::string& programName, const std::string& installTo) {
  ShowingFunction("TInstallForm::Install", kInstallFailed, [&](TFunScope& Fun) {
    if (installTo.empty()) {
      Fun.Fail("Installation directory is empty.");
      return;
    }
    const std::string source = IncludeSlashIfNotEmpty(GetProgramDirectory());
    const std::string folderName = FolderName(source);
    const std::string destination = IncludeSlashIfNotEmpty(installTo) + folderName;
    //: %1 is a folder's path
    if (!ShowQueryDialog(
            FilledIn(Translated("Installation", "Install the program in directory \"%1\"?"),
                     {destination}))) {
      return;
    }
    // The shipped words lists replace the installed ones, which may hold
    // words the player added.
    const TAddedWords addedWords = CollectAddedWords(destination);
    // Nothing may be renamed or recorded after a failed copy: the record
    // would name a folder that the installer did not make.
    // The options and the records of a copy installed before stay its own.
    CopyDeleteDirectory(source, destination,
                        {programName + kOptionsExtension, programName + kRecordsSuffix},
                        AskAboutCopyFailure);
    if (Fun.CalleeFailed()) {
      return;
    }
    // Words that cannot be put back fail the install like a failed copy.
    KeepAddedWords(destination, source, addedWords);
    if (Fun.CalleeFailed()) {
      return;
    }

    const std::string installed = IncludeSlashIfNotEmpty(destination);
    const std::string executable = installed + programName;
    const std::string uninstallCommand =
        QuoteArgument(executable) + " " + std::string(kUninstallArgument);
    // The copy of the running installer becomes the program.
    MyRenameFile(installed + GetProgramFileName(), executable, true);
    if (Fun.CalleeFailed()) {
      return;
    }
    try {
      CreateShortcuts(programName, folderName, installed, uninstallCommand);
    } catch (...) {
      // Shortcuts and the uninstall entry are a convenience: the program runs without them.
    }
    RunFile(executable, "", "", false, false);
    Fun.CalleeFailed();
  });
}

void UninstallProgram(const std::string& programName, const std::string& installedDirectory) {
  ShowingFunction("TInstallForm::Uninstall", kUninstallFailed, [&](TFunScope& Fun) {
    if (installedDirectory.empty()) {
      Fun.Fail("Uninstallation directory is empty.");
      return;
    }
    if (IsProtectedFolder(installedDirectory)) {
      Fun.Fail("A root or home folder is never deleted.", installedDirectory);
      return;
    }
    if (!IsRecordedInstallation(programName, installedDirectory)) {
      ShowWarningDialog(Translated(
          "Installation",
          "This copy of the program was not installed by its installer.\nNothing was deleted."));
      return;
    }
    //: %1 is a folder's path
    if (!ShowQueryDialog(FilledIn(
            Translated("Installation", "Delete directory \"%1\" (and all contained files)?"),
            {installedDirectory}))) {
      return;
    }
    // A start-up entry of that name may be the user's own, for another
    // program: it goes only when it starts this one. The program is
    // compared while it is still there.
    const std::string autostartEntry = GetSystemDirectoryPath(kFolderStartup) +
                                       PathWithoutExtension(GetProgramFileName()) + kLinkExtension;
    const bool startsThisProgram = IsSameFile(LinkFileProgram(autostartEntry), GetProgramPath());
    DeleteDirectoryNoErrors(installedDirectory);
    Os::DeleteFile(GetSystemDirectoryPath(kFolderDesktop) + programName + kLinkExtension);
    // Without a folder name this would be the whole applications menu.
    const std::string menuFolderName = FolderName(GetProgramDirectory());
    if (IsPlainFileName(menuFolderName)) {
      DeleteMenuEntries(programName, menuFolderName, IncludeSlashIfNotEmpty(installedDirectory));
    }
    if (startsThisProgram) {
      Os::DeleteFile(autostartEntry);
    }
    DeleteUninstallerRegistry(programName);
    ShowMessageDialog(
        Translated("Installation",
                   "Uninstallation successful. Some files that were in use were not deleted."));
  });
}
