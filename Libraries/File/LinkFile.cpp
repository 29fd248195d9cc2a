#include "Libraries/File/LinkFile.h"

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/FullPath.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/RunFile.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/Cp1252.h"

namespace {
// The characters that make an Exec argument need quotes.
constexpr const char* kReservedCharacters = " \t\n\"'\\><~|&;$*?#`()";
constexpr int32_t kEntryMode = 0755;

// A program target is started directly; a document through the handler.
bool IsProgramTarget(const std::string& path) {
  const Os::TFileKind kind = Os::PathStatus(path).Kind;
  if (kind == Os::TFileKind::Missing) {
    return true;  // a target that is not there yet is taken for a program
  }
  return kind == Os::TFileKind::Regular && Os::IsExecutableByUser(path);
}

std::string EntryName(const std::string& linkPath) {
  std::string name = NameOfPath(linkPath);
  const std::string extension = kLinkExtension;
  if (IsLinkFile(name)) {
    name.resize(name.size() - extension.size());
  }
  return name;
}

std::string DesktopEntryText(const TLinkFile& link, const std::string& linkPath) {
  std::vector<std::string> command;
  if (!IsProgramTarget(link.ReferencePath)) {
    command.push_back(Os::DefaultHandlerProgram());
  }
  command.push_back(link.ReferencePath);
  for (const std::string& argument : SplitParameterText(link.Arguments)) {
    command.push_back(argument);
  }
  // The keys written here are all of the format's first version; 1.4 is the
  // newest version that the validators of current stable systems accept.
  std::string text = "[Desktop Entry]\nType=Application\nVersion=1.4\n";
  const std::string name = link.ShownName.empty() ? EntryName(linkPath) : link.ShownName;
  text += "Name=" + DesktopEntryValue(name) + "\n";
  if (!link.Description.empty()) {
    text += "Comment=" + DesktopEntryValue(Cp1252ToUtf8(link.Description)) + "\n";
  }
  text += "Exec=" + DesktopEntryValue(DesktopEntryExec(command)) + "\n";
  if (!link.WorkingPath.empty()) {
    text += "Path=" + DesktopEntryValue(link.WorkingPath) + "\n";
  }
  if (!link.IconPath.empty()) {
    text += "Icon=" + DesktopEntryValue(link.IconPath) + "\n";
  }
  if (!link.Categories.empty()) {
    text += "Categories=" + DesktopEntryValue(link.Categories) + "\n";
  }
  text += "Terminal=false\n";
  return text;
}
}  // namespace

std::string LinkExtension(const std::string&) {
  return kLinkExtension;
}

bool IsLinkFile(const std::string& path) {
  const std::string extension = kLinkExtension;
  return path.size() >= extension.size() &&
         UpperCaseCp1252(path.substr(path.size() - extension.size())) == UpperCaseCp1252(extension);
}

std::string QuoteArgument(const std::string& argument) {
  if (!argument.empty() && argument.find_first_of(kReservedCharacters) == std::string::npos) {
    return argument;
  }
  std::string quoted = "\"";
  for (const char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') {
      quoted += '\\';
    }
    quoted += c;
  }
  return quoted + "\"";
}

std::string DesktopEntryExec(const std::vector<std::string>& command) {
  std::string joined;
  for (const std::string& argument : command) {
    if (!joined.empty()) {
      joined += ' ';
    }
    joined += QuoteArgument(argument);
  }
  std::string exec;
  for (const char c : joined) {
    exec += c;
    if (c == '%') {
      exec += '%';
    }
  }
  return exec;
}

std::string DesktopEntryValue(const std::string& text) {
  std::string value;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\':
        value += "\\\\";
        break;
      case '\n':
        value += "\\n";
        break;
      case '\r':
        value += "\\r";
        break;
      case '\t':
        value += "\\t";
        break;
      case ' ':
        value += i == 0 ? "\\s" : " ";  // a leading blank would be trimmed
        break;
      default:
        value += c;
    }
  }
  return value;
}

std::string DesktopEntryValueText(const std::string& value) {
  std::string text;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] != '\\' || i + 1 == value.size()) {
      text += value[i];
      continue;
    }
    switch (value[++i]) {
      case 'n':
        text += '\n';
        break;
      case 'r':
        text += '\r';
        break;
      case 't':
        text += '\t';
        break;
      case 's':
        text += ' ';
        break;
      default:
        text += value[i];
    }
  }
  return text;
}

std::string FirstQuotedArgument(const std::string& command) {
  if (command.empty() || command[0] != '"') {
    return command.substr(0, command.find(' '));
  }
  std::string argument;
  for (size_t i = 1; i < command.size() && command[i] != '"'; ++i) {
    if (command[i] == '\\' && i + 1 < command.size()) {
      ++i;
    }
    argument += command[i];
  }
  return argument;
}

namespace {
// The text without the blanks at its ends.
std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The value of the key in the [Desktop Entry] group of the entry's text, with
// the value escapes undone; empty when there is none.
std::string DesktopEntryKey(const std::string& entry, const std::string& key) {
  bool inMainGroup = false;
  size_t start = 0;
  while (start < entry.size()) {
    size_t end = entry.find('\n', start);
    if (end == std::string::npos) {
      end = entry.size();
    }
    const std::string line = Trimmed(entry.substr(start, end - start));
    start = end + 1;
    if (!line.empty() && line[0] == '[') {
      inMainGroup = line == "[Desktop Entry]";
      continue;
    }
    const size_t equals = line.find('=');
    if (inMainGroup && equals != std::string::npos && Trimmed(line.substr(0, equals)) == key) {
      return DesktopEntryValueText(Trimmed(line.substr(equals + 1)));
    }
  }
  return {};
}

// The Exec text with each "%%" read back as the "%" it stands for.
std::string WithoutDoubledPercents(const std::string& exec) {
  std::string text;
  for (size_t i = 0; i < exec.size(); ++i) {
    text += exec[i];
    if (exec[i] == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
      ++i;
    }
  }
  return text;
}
}  // namespace

std::string LinkFileProgram(const std::string& linkPath) {
  std::string entry;
  try {
    entry = ReadWholeFile(linkPath);
  } catch (...) {
    return {};  // no entry, or none that can be read
  }
  return FirstQuotedArgument(WithoutDoubledPercents(DesktopEntryKey(entry, "Exec")));
}

void TLinkFile::Clear() {
  *this = TLinkFile{};
}

void TLinkFile::Save(const std::string& linkPath, bool overwrite) {
  PassingFunction("TLinkFile::Save", [&](TFunScope& Fun) {
    ReferencePath = FullLongPath(ReferencePath);
    if (IsLinkFile(ReferencePath)) {
      Fun.Fail("This operating system does not support chained links.", linkPath);
      return;
    }
    if (FileExists(linkPath) && !overwrite) {
      return;
    }
    if (ReferencePath.empty()) {
      Fun.Fail("Failed to set reference path.", linkPath);
    } else {
      Os::ClearLastError();
      // Desktops start only entries that their owner marked executable.
      if (!ReplaceFileAtomically(linkPath, DesktopEntryText(*this, linkPath), kEntryMode)) {
        Fun.Fail("Failed to save link file.", linkPath, "", Os::LastError());
      }
    }
    if (Fun.Failed()) {
      Clear();
    }
  });
}

void CopyFileAsLink(const std::string& target, const std::string& linkPath, bool overwrite,
                    const std::string& arguments, bool setWorkingDirectory, bool minimised) {
  PassingFunction("CopyFileAsLink", [&](TFunScope& Fun) {
    TLinkFile link;
    link.ReferencePath = target;
    if (setWorkingDirectory) {
      link.WorkingPath = DirectoryOfPath(target);
    }
    link.Arguments = arguments;
    if (minimised) {
      link.ShowCommand = TLinkFile::kShowMinimisedNoActivate;
    }
    link.Save(linkPath, overwrite);
    Fun.CalleeFailed();
  });
}

void CopyFileAsLinkWithParam(const std::string& target, const std::string& linkPath,
                             const std::string& arguments, bool overwrite) {
  CopyFileAsLink(target, linkPath, overwrite, arguments, true, false);
}
