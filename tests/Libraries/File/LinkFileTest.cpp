#include "Libraries/File/LinkFile.h"

#include <sys/stat.h>

#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/TestFolders.h"

namespace {

// Reads a desktop entry the way a desktop does, written here from the
// format's rules and not from the code under test.
std::map<std::string, std::string> ReadEntry(const std::string& text) {
  std::map<std::string, std::string> keys;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      continue;
    }
    std::string value;
    const std::string raw = line.substr(equals + 1);
    for (size_t i = 0; i < raw.size(); ++i) {
      if (raw[i] == '\\' && i + 1 < raw.size()) {
        const char next = raw[++i];
        value += next == 's' ? ' ' : next == 'n' ? '\n' : next == 't' ? '\t' : next == 'r' ? '\r' : next;
      } else {
        value += raw[i];
      }
    }
    keys[line.substr(0, equals)] = value;
  }
  return keys;
}

std::vector<std::string> ExecArguments(const std::string& exec) {
  std::vector<std::string> arguments;
  std::string current;
  bool inArgument = false;
  bool quoted = false;
  for (size_t i = 0; i < exec.size(); ++i) {
    const char c = exec[i];
    if (c == '%' && i + 1 < exec.size() && exec[i + 1] == '%') {
      current += '%';
      inArgument = true;
      ++i;
    } else if (quoted && c == '\\' && i + 1 < exec.size()) {
      current += exec[++i];
    } else if (c == '"') {
      quoted = !quoted;
      inArgument = true;
    } else if (c == ' ' && !quoted) {
      if (inArgument) {
        arguments.push_back(current);
      }
      current.clear();
      inArgument = false;
    } else {
      current += c;
      inArgument = true;
    }
  }
  if (inArgument) {
    arguments.push_back(current);
  }
  return arguments;
}

TEST(DesktopEntryQuoting, EveryArgumentReadsBackAsItWas) {
  const std::vector<std::string> command = {
      "/home/me/My Games/Glyphmason", "/Uninstall", "100%", "say \"hi\"", "$HOME `x` \\n", "",
      "a;b|c&d"};
  const std::string exec = DesktopEntryExec(command);
  EXPECT_EQ(ExecArguments(ReadEntry("Exec=" + DesktopEntryValue(exec))["Exec"]), command);
  EXPECT_EQ(QuoteArgument("/opt/Glyphmason/Glyphmason"), "/opt/Glyphmason/Glyphmason");
  EXPECT_EQ(QuoteArgument("My Games"), "\"My Games\"");
}

TEST(DesktopEntryQuoting, NoValueCanStartAnotherLine) {
  const std::string value = DesktopEntryValue("Glyphmason\nExec=evil");
  EXPECT_EQ(value.find('\n'), std::string::npos);
  EXPECT_EQ(ReadEntry("Comment=" + value)["Comment"], "Glyphmason\nExec=evil");
}

TEST(TLinkFile, SavesAnEntryThatStartsTheProgram) {
  TTempFolder folder;
  ::mkdir(folder.File("My Games").c_str(), 0755);
  folder.Write("My Games/Glyphmason", "");
  ::chmod(folder.File("My Games/Glyphmason").c_str(), 0755);
  TLinkFile link;
  link.ReferencePath = folder.File("My Games/Glyphmason");
  link.WorkingPath = folder.File("My Games/");
  link.Arguments = "/Uninstall";
  link.Description = "Glyphmason \xE9t\xE9";  // Windows-1252 text
  link.IconPath = "glyphmason";
  link.Save(folder.File("Uninstall.desktop"), false);
  ASSERT_FALSE(GlobalFunStat.Failed());
  auto keys = ReadEntry(folder.Read("Uninstall.desktop"));
  EXPECT_EQ(keys["Type"], "Application");
  EXPECT_EQ(keys["Name"], "Uninstall");
  EXPECT_EQ(ExecArguments(keys["Exec"]),
            std::vector<std::string>({folder.File("My Games/Glyphmason"), "/Uninstall"}));
  EXPECT_EQ(keys["Path"], folder.File("My Games/"));
  EXPECT_EQ(keys["Comment"], "Glyphmason \xC3\xA9t\xC3\xA9");  // UTF-8
  EXPECT_EQ(keys["Icon"], "glyphmason");
  struct stat status {};
  ::stat(folder.File("Uninstall.desktop").c_str(), &status);
  EXPECT_NE(status.st_mode & S_IXUSR, 0u);
}

TEST(TLinkFile, ADocumentOpensThroughTheDefaultHandler) {
  TTempFolder folder;
  const std::string readme = folder.Write("Readme.txt", "read me");
  CopyFileAsLinkWithParam(readme, folder.File("Readme.desktop"), "", true);
  ASSERT_FALSE(GlobalFunStat.Failed());
  auto keys = ReadEntry(folder.Read("Readme.desktop"));
  EXPECT_EQ(ExecArguments(keys["Exec"]),
            std::vector<std::string>({Os::DefaultHandlerProgram(), readme}));
  EXPECT_EQ(keys["Path"], folder.Path());
}

TEST(TLinkFile, AChainedLinkIsRefusedAndWritesNothing) {
  TTempFolder folder;
  const std::string other = folder.Write("Other.DESKTOP", "[Desktop Entry]\n");
  TLinkFile link;
  link.ReferencePath = other;
  link.Save(folder.File("Chain.desktop"), true);
  ASSERT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Description, "This operating system does not support chained links.");
  EXPECT_EQ(GlobalFunStat.Parameter1, folder.File("Chain.desktop"));
  EXPECT_FALSE(FileExists(folder.File("Chain.desktop")));
  EXPECT_EQ(link.ReferencePath, other);  // refused before anything was set up
  GlobalFunStat.Reset(fsPerfect);
}

TEST(TLinkFile, AnExistingLinkIsKeptWithoutOverwrite) {
  TTempFolder folder;
  const std::string existing = folder.Write("Glyphmason.desktop", "mine");
  CopyFileAsLink("/usr/bin/true", existing, false, "", true, false);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(folder.Read("Glyphmason.desktop"), "mine");
  CopyFileAsLink("/usr/bin/true", existing, true, "", true, true);
  EXPECT_EQ(ExecArguments(ReadEntry(folder.Read("Glyphmason.desktop"))["Exec"]),
            std::vector<std::string>({"/usr/bin/true"}));
}

TEST(TLinkFile, FailuresClearTheLinkAndReachTheCaller) {
  TTempFolder folder;
  TLinkFile link;
  link.ReferencePath = "/usr/bin/true";
  link.Description = "gone after the failure";
  link.Save(folder.File("missing folder/Glyphmason.desktop"), true);
  ASSERT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Description, "Failed to save link file.");
  EXPECT_NE(GlobalFunStat.SystemErrorCode, 0);
  EXPECT_EQ(link.ReferencePath, "");
  EXPECT_EQ(link.Description, "");

  CopyFileAsLinkWithParam("", folder.File("Empty.desktop"), "", true);
  ASSERT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Description, "Failed to set reference path.");
  EXPECT_EQ(GlobalFunStat.Function, "TLinkFile::Save");
  GlobalFunStat.Reset(fsPerfect);
}

TEST(TLinkFile, TheLinkExtensionIsTheDesktopEntry) {
  EXPECT_EQ(LinkExtension("/opt/Glyphmason/Glyphmason"), ".desktop");
  EXPECT_TRUE(IsLinkFile("a/Readme.Desktop"));
  EXPECT_FALSE(IsLinkFile("desktop"));
  EXPECT_FALSE(IsLinkFile("Readme.txt"));
}

}  // namespace
