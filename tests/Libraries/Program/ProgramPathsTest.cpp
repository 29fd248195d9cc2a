#include "Libraries/Program/ProgramPaths.h"

#include <gtest/gtest.h>

#include "Libraries/OperatingSystem/OperatingSystem.h"

namespace {

TEST(ProgramPaths, ProgramWithoutDirectoryGivesBareNamesAndNoParameters) {
  const auto saved = Os::CommandLine();
  Os::SetCommandLineForTesting({"Glyphmason"});
  EXPECT_EQ(GetProgramDirectory(), "");
  EXPECT_EQ(GetProgramDirFile("Glyphmason.ini"), "Glyphmason.ini");
  EXPECT_EQ(GetCommandLineParameter(1), "");
  EXPECT_EQ(GetCommandLineParameter(-1), "");
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
