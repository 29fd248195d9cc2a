#include "Libraries/File/RunFile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
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
  for (int i = 0; i < 500; ++i) {
    if (FileExists(path)) {
      return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

TEST(RunFileParameters, QuotingWrapsTheWholeTextInDoubleQuotes) {
  EXPECT_EQ(RunFileParameterText("", true), "");
  EXPECT_EQ(RunFileParameterText("My Games", true), " \"My Games\"");
  EXPECT_EQ(RunFileParameterText("My Games", false), " My Games");
}

TEST(RunFileParameters, TheTextSplitsLikeACommandLine) {
  using Args = std::vector<std::string>;
  EXPECT_EQ(SplitParameterText(" \"My Games\""), Args({"My Games"}));
  EXPECT_EQ(SplitParameterText(" My  Games\t/Uninstall"), Args({"My", "Games", "/Uninstall"}));
  EXPECT_EQ(SplitParameterText("a\"b c\"d \"\""), Args({"ab cd", ""}));
  EXPECT_EQ(SplitParameterText(R"("say \"hi\" \\ now" C:\dir\)"),
            Args({R"(say "hi" \ now)", R"(C:\dir\)"}));
  EXPECT_EQ(SplitParameterText(""), Args());
}

TEST(RunFile, AProgramGetsItsParametersWithoutAShell) {
  TTempFolder folder;
  RunFile(kTouch, "two words", folder.Path(), false, true);
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_TRUE(AppearsSoon(folder.File("two words")));

  RunFile(kTouch, "one two", folder.Path(), false, false);
  EXPECT_TRUE(AppearsSoon(folder.File("one")));
  EXPECT_TRUE(AppearsSoon(folder.File("two")));

  // Nothing here means anything to a shell.
  RunFile(kTouch, "a;b $(x) `y` >z", folder.Path(), false, true);
  EXPECT_TRUE(AppearsSoon(folder.File("a;b $(x) `y` >z")));
  EXPECT_FALSE(FileExists(folder.File("z")));
}

TEST(RunFile, DocumentsAndAddressesGoToTheDefaultHandler) {
  TTempFolder folder;
  // A handler that writes down the name it was given.
  const std::string handler = folder.Write("handler", "#!/bin/sh\nprintf '%s' \"$1\" > \"$0.tmp\" && mv \"$0.tmp\" \"$0.got\"\n");
  ::chmod(handler.c_str(), 0755);
  Os::SetDefaultHandlerForTesting(handler);
  const std::string readme = folder.Write("Readme.txt", "read me");
  RunFile(readme, "ignored", "", false, true);
  EXPECT_FALSE(GlobalFunStat.Failed());
  ASSERT_TRUE(AppearsSoon(handler + ".got"));
  EXPECT_EQ(folder.Read("handler.got"), readme);

  ::unlink((handler + ".got").c_str());
  RunFile("https://example.org/glyphmason?x=1&y=2", "", "", false, true);
  ASSERT_TRUE(AppearsSoon(handler + ".got"));
  EXPECT_EQ(folder.Read("handler.got"), "https://example.org/glyphmason?x=1&y=2");
  Os::SetDefaultHandlerForTesting("");
}

TEST(RunFile, FailuresAreRecordedOrShown) {
  TTempFolder folder;
  RunFile(folder.File("Glyphmason"), "", "", false, false);
  ASSERT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Description, "Failed to run file.");
  EXPECT_EQ(GlobalFunStat.Parameter1, folder.File("Glyphmason"));
  EXPECT_NE(GlobalFunStat.SystemErrorCode, 0);

  RunFile(kTouch, "x", folder.File("no such folder"), false, false);
  EXPECT_EQ(GlobalFunStat.Description, "Failed to run file.");

  TFakeMessageBoxes boxes;
  RunFile("", "", "", false, false);
  EXPECT_FALSE(GlobalFunStat.Failed());
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Caption, "Error");
  EXPECT_EQ(boxes.Shown[0].Text, "The name of the file is empty.");
}

}  // namespace
