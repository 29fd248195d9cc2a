#include "Libraries/File/LinkFile.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/File/FileOperations.h"
#include "support/Golden.h"
#include "support/TestFolders.h"

namespace {

TEST(DesktopEntryQuoting, ArgumentsAreQuotedAndEscapedByTheFormatsRules) {
  EXPECT_EQ(DesktopEntryExec({"/opt/Glyphmason/Glyphmason", "/Uninstall"}),
            "/opt/Glyphmason/Glyphmason /Uninstall");
  EXPECT_EQ(DesktopEntryExec({"/home/me/My Games/Glyphmason", "100%", "", "a;b"}),
            R"("/home/me/My Games/Glyphmason" 100%% "" "a;b")");
  EXPECT_EQ(DesktopEntryExec({"say \"hi\" $HOME `x` \\"}), R"("say \"hi\" \$HOME \`x\` \\")");
  // The value escapes come on top: a backslash of the quoting is doubled.
  EXPECT_EQ(DesktopEntryValue(R"("a\\b")"
                              "\nExec=evil\t"),
            R"("a\\\\b"\nExec=evil\t)");
  EXPECT_EQ(DesktopEntryValue(" lead"), "\\slead");
  // Read back, a quoted command gives its first argument as it was.
  for (const std::string program :
       {"/opt/Glyphmason/Glyphmason", " /home/me/My Games/G", "/a \"b\" $c `d` \\e\n\tf"}) {
    const std::string value = DesktopEntryValue(QuoteArgument(program) + " /Uninstall");
    EXPECT_EQ(FirstQuotedArgument(DesktopEntryValueText(value)), program);
  }
}

// Saves the uninstall entry of a program in "My Games" as Uninstall.desktop
// in the folder.
void SaveUninstallEntry(const TTempFolder& folder) {
  ::mkdir(folder.File("My Games").c_str(), 0755);
  ::chmod(folder.Write("My Games/Glyphmason", "").c_str(), 0755);
  TLinkFile link;
  link.ReferencePath = folder.File("My Games/Glyphmason");
  link.WorkingPath = folder.File("My Games/");
  link.Arguments = "/Uninstall";
  link.Description = "Glyphmason \xE9t\xE9";  // Windows-1252 text
  link.Save(folder.File("Uninstall.desktop"), false);
}

TEST(TLinkFile, SavesAnExecutableEntryThatStartsTheProgram) {
  TTempFolder folder;
  SaveUninstallEntry(folder);
  ASSERT_FALSE(GlobalFunStat.Failed());
  // The description in UTF-8, the program's path quoted for its space.
  EXPECT_TRUE(MatchesGolden("LinkFile/Uninstall.desktop", Replaced(folder.Read("Uninstall.desktop"),
                                                                   folder.Path(), "<folder>/")));
  // Desktops start only executable entries.
  EXPECT_NE(FileModeOf(folder.File("Uninstall.desktop")) & S_IXUSR, 0u);
  // Read back, the entry names the program it starts.
  EXPECT_EQ(LinkFileProgram(folder.File("Uninstall.desktop")), folder.File("My Games/Glyphmason"));
  EXPECT_EQ(LinkFileProgram(folder.File("missing.desktop")), "");
}

TEST(TLinkFile, AChainedLinkIsRefusedAndAnExistingLinkKept) {
  TTempFolder folder;
  CopyFileAsLink(folder.Write("Other.DESKTOP", ""), folder.File("Chain.desktop"), true, "", true,
                 false);
  EXPECT_EQ(GlobalFunStat.Description, "This operating system does not support chained links.");
  EXPECT_FALSE(FileExists(folder.File("Chain.desktop")));

  const std::string existing = folder.Write("Glyphmason.desktop", "mine");
  CopyFileAsLink("/usr/bin/true", existing, false, "", true, false);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(folder.Read("Glyphmason.desktop"), "mine");
}

TEST(TLinkFile, FailuresClearTheLinkAndReachTheCaller) {
  TTempFolder folder;
  TLinkFile link;
  link.ReferencePath = "/usr/bin/true";
  link.Description = "gone after the failure";
  link.Save(folder.File("missing folder/Glyphmason.desktop"), true);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to save link file.");
  EXPECT_NE(GlobalFunStat.SystemErrorCode, 0);
  EXPECT_EQ(link.ReferencePath + link.Description, "");
  CopyFileAsLinkWithParam("", folder.File("Empty.desktop"), "", true);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to set reference path.");
  GlobalFunStat.Reset(fsPerfect);
}

}  // namespace
