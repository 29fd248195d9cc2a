#include "Libraries/File/RunFile.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include <gtest/gtest.h>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/FakeMessageBoxes.h"
#include "support/TestFolders.h"

namespace {

constexpr const char* kTouch = "/usr/bin/touch";

// The started program runs on its own; wait a while for its trace.
bool AppearsSoon(const std::string& path) {
  for (int i = 0; i < 500 && !FileExists(path); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return FileExists(path);
}

TEST(RunFile, QuotingKeepsTheParametersOneArgument) {
  EXPECT_EQ(SplitParameterText(R"( a"b c"d "" "say \"hi\" \\" C:\dir\)"),
            std::vector<std::string>({"ab cd", "", R"(say "hi" \)", R"(C:\dir\)"}));
  TTempFolder folder;
  RunFile(kTouch, "two words", folder.Path(), false, true);
  RunFile(kTouch, "one two", folder.Path(), false, false);
  RunFile(kTouch, "a;b $(x) `y` >z", folder.Path(), false, true);  // no shell reads it
  EXPECT_FALSE(GlobalFunStat.Failed());
  for (const char* name : {"two words", "one", "two", "a;b $(x) `y` >z"}) {
    EXPECT_TRUE(AppearsSoon(folder.File(name))) << name;
  }
  EXPECT_FALSE(FileExists(folder.File("z")));
}

TEST(RunFile, DocumentsAndAddressesGoToTheDefaultHandler) {
  TTempFolder folder;
  // A handler that writes down the name it was given.
  const std::string handler = folder.Write(
      "handler", "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.got\"\n");
  ::chmod(handler.c_str(), 0755);
  Os::SetDefaultHandlerForTesting(handler);
  for (const std::string& name :
       {folder.Write("Readme.txt", "read me"), std::string("https://example.org/?x=1&y=2")}) {
    std::remove((handler + ".got").c_str());
    RunFile(name, "", "", false, true);
    EXPECT_FALSE(GlobalFunStat.Failed());
    ASSERT_TRUE(AppearsSoon(handler + ".got"));
    EXPECT_EQ(folder.Read("handler.got"), name);
  }
  Os::SetDefaultHandlerForTesting("");
}

TEST(RunFile, FailuresAreRecordedOrShown) {
  TTempFolder folder;
  RunFile(folder.File("Glyphmason"), "", "", false, false);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to run file.");
  EXPECT_EQ(GlobalFunStat.Parameter1, folder.File("Glyphmason"));
  EXPECT_NE(GlobalFunStat.SystemErrorCode, 0);
  RunFile(kTouch, "x", folder.File("no such folder"), false, false);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to run file.");
  TFakeMessageBoxes boxes;
  RunFile("", "", "", false, false);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"The name of the file is empty."});
}

}  // namespace
