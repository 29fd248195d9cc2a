#include "Libraries/Error/FunStatContext.h"

#include <gtest/gtest.h>

#include "Libraries/Error/FunctionScope.h"
#include "support/ErrorRecorder.h"
#include "support/FakeMessageBoxes.h"
#include "support/Golden.h"
#include "support/TestFolders.h"

namespace {

TFunStatContext FailedContext() {
  TFunStatContext context;
  context.SetStatus("C:\\src\\Libraries\\File\\File.pas", "MyRenameFile", 42, fsError,
                    "Failed to rename.", "", "", 0);
  context.SetShowContext("/home/dev/window/GlyphmasonDialog.cpp", "", 7);
  return context;
}

TEST(ErrorReport, ContextsParametersAndInfoReadInFixedOrder) {
  TTestProgramFolder program;
  TFunStatContext context = FailedContext();
  context.File = "/work/Libraries/File/FileOperations.cpp";
  context.Parameter2 = "new.txt";  // parameter 1 is empty and left out
  context.SystemErrorCode = static_cast<int32_t>(0x80004005);
  context.UserReal = 0.1;
  std::string report = context.BuildReport();
  EXPECT_NE(report.find(") | "), std::string::npos);  // the time's date and clock parts
  // The time changes from run to run, the system's message with its language.
  for (const std::string field : {"* Time: ", "* System error description: "}) {
    const size_t value = report.find(field) + field.size();
    report.replace(value, report.find("\r\n", value) - value, "<varies>");
  }
  EXPECT_TRUE(
      MatchesGolden("ErrorReport/report.txt", Replaced(report, program.Path(), "<program>/")));
  context.UserReal = 0;
  EXPECT_TRUE(context.BuildReport().ends_with("* UserReal: 0"));
}

TEST(ErrorReport, TheStatusWordIsTheCaptionAndACatastropheWarnsInTheReport) {
  EXPECT_EQ(StatusText(7), "Unknown function status");
  TErrorRecorder errors;
  TFunStatContext context = FailedContext();
  context.Status = fsCatastrophe;
  EXPECT_TRUE(context.Show("Failed to load game."));
  ASSERT_EQ(errors.Shown.size(), 1u);
  EXPECT_EQ(errors.Shown[0].Caption + ": " + errors.Shown[0].Message,
            "Catastrophe: Failed to load game.");
  EXPECT_NE(errors.Shown[0].Report.find(
                "* Status: Catastrophe: CATASTROPHIC FAILURE!!! It is highly recommended to "
                "terminate the program immediately!\r\n* File:"),
            std::string::npos);
}

TEST(ErrorReport, ShowWithoutErrorDialogSaysSoInPlainBox) {
  TFakeMessageBoxes boxes;
  bool flag = true;
  EXPECT_FALSE(FailedContext().Show("Failed to save game.", &flag));
  EXPECT_FALSE(flag);
  ASSERT_EQ(boxes.Shown.size(), 1u);
  EXPECT_EQ(boxes.Shown[0].Caption + ": " + boxes.Shown[0].Text,
            "Error: The error-dialog form is not created. You must create it.");
}

// --- The function forms ------------------------------------------------------

TEST(PassingFunction, AWarningDoesNotStopTheCallerAndExceptionsBecomeErrors) {
  TErrorRecorder errors;
  const bool result = ShowingFunction("Caller", "Failed.", [](TFunScope& Fun) {
    PassingFunction("Callee", [](TFunScope& Callee) { Callee.Warn("Only a warning."); });
    return !Fun.CalleeFailed();
  });
  EXPECT_TRUE(result);
  EXPECT_TRUE(errors.Shown.empty());
  EXPECT_EQ(GlobalFunStat.Status, fsPerfect);
  // Exceptions become errors with the place they were raised.
  PassingFunction("Thrower", [](TFunScope&) { Raise("disk on fire"); });
  EXPECT_EQ(GlobalFunStat.Status, fsError);
  EXPECT_EQ(GlobalFunStat.Function, "Thrower");
  EXPECT_EQ(GlobalFunStat.Description, "Unhandled exception: disk on fire");
  EXPECT_EQ(GlobalFunStat.Parameter1, "FunStatContextTest.cpp");
  EXPECT_NE(GlobalFunStat.Parameter2, "0");

  PassingFunction("Thrower", [](TFunScope&) { throw std::runtime_error("plain"); });
  EXPECT_EQ(GlobalFunStat.Description, "Unhandled exception: plain");
  EXPECT_EQ(GlobalFunStat.Parameter1, "");
  EXPECT_EQ(GlobalFunStat.Parameter2, "0");

  const int value = PassingFunction("Thrower", [](TFunScope&) -> int { throw 5; });
  EXPECT_EQ(value, 0);
  EXPECT_EQ(GlobalFunStat.Description, "Unhandled generic exception.");
}

TEST(ShowingFunction, ShowsInnermostFailureOnceAndLeavesGlobalPerfect) {
  TErrorRecorder errors;
  ShowingFunction("Outer", "Failed to create new puzzle.", [](TFunScope& Fun) {
    ShowingFunction("Inner", "Failed to load dictionary.", [](TFunScope& InnerFun) {
      PassingFunction("Callee", [](TFunScope& Callee) { Callee.Fail("Callee broke.", "p1"); });
      EXPECT_TRUE(InnerFun.CalleeFailed());
    });
    Fun.CalleeFailed();
  });
  ASSERT_EQ(errors.Messages(), std::vector<std::string>{"Failed to load dictionary."});
  // The report names the callee's own failure, not the functions it reached
  // (the report's layout is the golden report's).
  const std::string& report = errors.Shown[0].Report;
  for (const char* part :
       {"File: \"FunStatContextTest.cpp\"\r\n* Function: \"Callee\"", "* Parameter 1: \"p1\"",
        "SHOW CONTEXT\r\n* File: \"FunStatContextTest.cpp\""}) {
    EXPECT_NE(report.find(part), std::string::npos) << part;
  }
  EXPECT_EQ(GlobalFunStat.Status, fsPerfect);
}

}  // namespace
