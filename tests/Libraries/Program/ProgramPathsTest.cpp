#include "Libraries/Program/ProgramPaths.h"

#include <gtest/gtest.h>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/TestCommandLine.h"

namespace {

TEST(ProgramPaths, BareNamesWithoutADirectoryAndTheRunningProgramByItsFullPath) {
  TTestCommandLine commandLine({"Glyphmason"});
  EXPECT_EQ(GetProgramDirectory(), "");
  EXPECT_EQ(GetProgramDirFile("Glyphmason.ini"), "Glyphmason.ini");
  EXPECT_EQ(GetCommandLineParameter(1), "");
  EXPECT_EQ(GetCommandLineParameter(-1), "");
  commandLine.Set({});
  EXPECT_EQ(GetProgramPath(), "");
  EXPECT_EQ(GetProgramDirFile("x"), "x");
  // Started by its bare name, the running program is found by its full path.
  char name[] = "glyphmason_core_tests";
  char* argv[] = {name, nullptr};
  Os::SetCommandLine(1, argv);
  EXPECT_TRUE(GetProgramPath().starts_with("/"));
  EXPECT_TRUE(GetProgramFileName().starts_with("glyphmason_core_tests"));
}

}  // namespace
