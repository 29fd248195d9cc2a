#include "Libraries/Program/ProgramPaths.h"

#include <gtest/gtest.h>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/TestFolders.h"

namespace {

TEST(ProgramPaths, FilesAndFoldersLieBesideTheProgram) {
  TTestProgramFolder program({"/Uninstall"});
  EXPECT_EQ(GetProgramPath(), program.File("Glyphmason"));
  EXPECT_EQ(GetProgramDirectory(), program.Path());
  EXPECT_EQ(GetProgramFileName(), "Glyphmason");
  EXPECT_EQ(GetProgramDirFile("Errors.log"), program.Path() + "Errors.log");
  EXPECT_EQ(GetProgramDirFile(""), program.Path());
  EXPECT_EQ(GamesDirectory(), program.Path() + "GlyphmasonGames/");
  EXPECT_EQ(DictionariesDirectory() + "English.gmd",
            program.Path() + "GlyphmasonDictionaries/English.gmd");
  EXPECT_EQ(GetCommandLineParameter(1), "/Uninstall");
  EXPECT_EQ(GetCommandLineParameter(2), "");
  EXPECT_EQ(GetCommandLineParameter(-1), "");
}

TEST(ProgramPaths, ProgramWithoutDirectoryGivesBareNames) {
  const auto saved = Os::CommandLine();
  Os::SetCommandLineForTesting({"Glyphmason"});
  EXPECT_EQ(GetProgramDirectory(), "");
  EXPECT_EQ(GetProgramDirFile("Glyphmason.ini"), "Glyphmason.ini");
  Os::SetCommandLineForTesting({});
  EXPECT_EQ(GetProgramPath(), "");
  EXPECT_EQ(GetProgramDirFile("x"), "x");
  Os::SetCommandLineForTesting(saved);
}

TEST(ProgramPaths, RunningProgramIsFoundByItsFullPath) {
  const auto saved = Os::CommandLine();
  char name[] = "glyphmason_core_tests";
  char* argv[] = {name, nullptr};
  Os::SetCommandLine(1, argv);
  EXPECT_TRUE(GetProgramPath().starts_with("/"));
  EXPECT_TRUE(GetProgramFileName().starts_with("glyphmason_core_tests"));
  Os::SetCommandLineForTesting(saved);
}

}  // namespace
