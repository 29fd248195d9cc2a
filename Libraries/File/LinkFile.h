#pragma once
// Shortcuts: desktop entries (".desktop" files of the Desktop Entry format)
// that start a program, or open a document with the default application,
// from the desktop or the applications menu.

#include <cstdint>
#include <string>
#include <vector>

// The extension of shortcut files on this desktop.
inline constexpr const char* kLinkExtension = ".desktop";
// The shortcut extension for a target file; the same for every kind of file.
std::string LinkExtension(const std::string& file);
// True when the extension is the shortcut extension, in any letter case.
bool IsLinkFile(const std::string& path);

// One argument as the Exec key of a desktop entry reads it: unchanged when
// it holds no reserved character, else in double quotes, with a backslash
// before each ", `, $ and backslash. ("%" is handled by DesktopEntryExec.)
std::string QuoteArgument(const std::string& argument);
// The Exec value for a command: the quoted arguments joined by blanks, with
// "%" doubled so that no argument reads as a field code.
std::string DesktopEntryExec(const std::vector<std::string>& command);
// A text as a string value of a desktop entry: backslash, line breaks and
// tabs escaped, so that no value can start another line.
std::string DesktopEntryValue(const std::string& text);
// The text of a string value as DesktopEntryValue wrote it.
std::string DesktopEntryValueText(const std::string& value);
// The first argument of arguments quoted by QuoteArgument and joined by
// blanks, as it was before quoting.
std::string FirstQuotedArgument(const std::string& command);

// The program that the desktop entry at linkPath starts: the first argument
// of the Exec key of its [Desktop Entry] group, as it was before quoting.
// Empty when the file cannot be read or has no such key.
std::string LinkFileProgram(const std::string& linkPath);

class TLinkFile {
 public:
  static constexpr int32_t kShowMinimisedNoActivate = 7;

  std::string ReferencePath;  // the target
  std::string WorkingPath;    // folder the target starts in; none when empty
  std::string Arguments;      // parameter text, split as RunFile splits it
  std::string Description;    // the entry's comment
  std::string IconPath;       // icon file or icon name; none when empty
  std::string ShownName;      // the name menus show; the file's name when empty
  std::string Categories;     // menu categories, ";"-separated; none when empty
  int32_t IconIndex = 0;      // kept for callers; desktop entries have one icon per file
  uint16_t HotKey = 0;        // kept for callers; desktop entries have no hot keys
  int32_t ShowCommand = 0;    // kept for callers; the desktop decides the window state

  // Every field back to its initial value.
  void Clear();

  // Writes the shortcut file. The target is made absolute first; a target
  // that is itself a shortcut fails with "This operating system does not
  // support chained links." and writes nothing. An existing shortcut file is
  // left unchanged unless overwrite. A program target (executable, or not
  // there yet) is started directly; any other file through the default
  // handler. Fails with "Failed to set reference path." for an empty target
  // and "Failed to save link file." (last system error) when the file cannot
  // be written; after those two failures every field is cleared.
  void Save(const std::string& linkPath, bool overwrite);
};

// A shortcut to target at linkPath with the arguments, starting in the
// target's folder when setWorkingDirectory; takes over Save's failure.
void CopyFileAsLink(const std::string& target, const std::string& linkPath, bool overwrite,
                    const std::string& arguments, bool setWorkingDirectory, bool minimised);
// As CopyFileAsLink, always starting in the target's folder.
void CopyFileAsLinkWithParam(const std::string& target, const std::string& linkPath,
                             const std::string& arguments, bool overwrite);
