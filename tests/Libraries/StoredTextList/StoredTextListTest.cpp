#include "Libraries/StoredTextList/StoredTextList.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/ErrorRecorder.h"
#include "support/FakeMessageBoxes.h"
#include "support/TestFolders.h"

namespace {

TStoredTextList ListOf(const std::string& text) {
  TStoredTextList list;
  list.ReadFromText(text);
  return list;
}

// --- The stored text form ----------------------------------------------------

TEST(StoredTextForm, LinesBeforeTheFirstSectionCommentsAndEmptyLinesAreDropped) {
  const TStoredTextList list = ListOf("Lost=1\n; note\n[Main]\n\n;Key=2\nKey=3\nno equals\n");
  EXPECT_EQ(list.WrittenText(), "[Main]\r\nKey=3\r\nno equals\r\n\r\n");
}

TEST(StoredTextForm, LinesEndAtCrLfOrThePairAndAByteZeroEndsTheText) {
  const TStoredTextList list =
      ListOf(std::string("[S]\rA=1\nB=2\r\nC=3\n\rD=4\0E=5\n", 26));
  EXPECT_EQ(list.WrittenText(), "[S]\r\nA=1\r\nB=2\r\nC=3\r\nD=4\r\n\r\n");
}

TEST(StoredTextForm, BlanksBelongToNamesAndValues) {
  const TStoredTextList list = ListOf("[Main]\nKey = value \n");
  std::string value = "default";
  list.ReadString("Main", "Key", true, value, 255);
  EXPECT_EQ(value, "default");
  list.ReadString("Main", "Key ", true, value, 255);
  EXPECT_EQ(value, " value ");
}

TEST(StoredTextForm, NamesCompareWithoutRegardToCase) {
  const TStoredTextList list = ListOf("[GLYPHMASONGAME]\n\xC4RGER=1\n");
  int32_t value = 0;
  list.ReadInteger("GlyphmasonGame", "\xE4rger", value, 10, 0);
  EXPECT_EQ(value, 1);
}

TEST(StoredTextForm, TheFirstOfTwoEqualSectionsAndKeysIsFound) {
  TStoredTextList list = ListOf("[A]\nK=1\nK=2\n[a]\nK=3\nL=4\n");
  int32_t value = 0;
  list.ReadInteger("A", "K", value, 10, 0);
  EXPECT_EQ(value, 1);
  list.ReadInteger("A", "L", value, 10, 0);
  EXPECT_EQ(value, 1);
  list.WriteInteger("a", "L", 5);
  EXPECT_EQ(list.WrittenText(), "[A]\r\nK=1\r\nK=2\r\nL=5\r\n\r\n[a]\r\nK=3\r\nL=4\r\n\r\n");
}

TEST(StoredTextForm, ValuesMayBeEmptyOrHoldEquals) {
  const TStoredTextList list = ListOf("[S]\nEmpty=\nSum=a=b\n");
  std::string value = "x";
  list.ReadString("S", "Empty", true, value, 255);
  EXPECT_EQ(value, "");
  list.ReadString("S", "Sum", true, value, 255);
  EXPECT_EQ(value, "a=b");
}

// --- Typed reads ---------------------------------------------------------------

TEST(ReadBool, OnlyTrueInCapitalsIsTrue) {
  const TStoredTextList list = ListOf("[S]\nA=TRUE\nB=true\nC=1\nD=FALSE\n");
  bool value = false;
  list.ReadBool("S", "A", value);
  EXPECT_TRUE(value);
  list.ReadBool("S", "B", value);
  EXPECT_FALSE(value);
  value = true;
  list.ReadBool("S", "C", value);
  EXPECT_FALSE(value);
  value = true;
  list.ReadBool("S", "Missing", value);
  EXPECT_TRUE(value);
  list.ReadBool("Missing", "A", value);
  EXPECT_TRUE(value);
}

TEST(ReadInteger, AcceptsDecimalAndHexadecimalWithinTheLimits) {
  const TStoredTextList list = ListOf(
      "[S]\nDec=12\nNeg=-7\nHex=0x1E\nHexCap=0X1e\nDollar=$1E\nNegHex=-$A\nLow=10\nHigh=30\n");
  const auto read = [&](const std::string& key, int32_t maximum, int32_t minimum) {
    int32_t value = 99;
    list.ReadInteger("S", key, value, maximum, minimum);
    return value;
  };
  EXPECT_EQ(read("Dec", 30, 10), 12);
  EXPECT_EQ(read("Neg", 0, -10), -7);
  EXPECT_EQ(read("Hex", 30, 10), 30);
  EXPECT_EQ(read("HexCap", 30, 10), 30);
  EXPECT_EQ(read("Dollar", 30, 10), 30);
  EXPECT_EQ(read("NegHex", 0, -10), -10);
  EXPECT_EQ(read("Low", 30, 10), 10);
  EXPECT_EQ(read("High", 30, 10), 30);
}

TEST(ReadInteger, KeepsTheValueForTextOutOfRangeOrOfTheWrongForm) {
  const TStoredTextList list = ListOf(
      "[S]\nOver=31\nUnder=9\nLetters=abc\nBlank=12 \nLead= 12\nEmpty=\nBare=0x\nSigns=+-5\n"
      "Huge=99999999999\nHugeHex=0x100000000\nDouble=--3\nFloat=1.5\n");
  for (const char* key : {"Over", "Under", "Letters", "Blank", "Lead", "Empty", "Bare", "Signs",
                          "Huge", "HugeHex", "Double", "Float", "Missing"}) {
    int32_t value = 20;
    list.ReadInteger("S", key, value, 30, 10);
    EXPECT_EQ(value, 20) << key;
  }
}

TEST(ReadInteger, ReachesBothEndsOfThe32BitRange) {
  int32_t value = 0;
  EXPECT_TRUE(ParseStoredInteger("-2147483648", value));
  EXPECT_EQ(value, INT32_MIN);
  EXPECT_TRUE(ParseStoredInteger("0x7FFFFFFF", value));
  EXPECT_EQ(value, INT32_MAX);
  EXPECT_TRUE(ParseStoredInteger("-0x80000000", value));
  EXPECT_EQ(value, INT32_MIN);
  EXPECT_FALSE(ParseStoredInteger("2147483648", value));
  EXPECT_FALSE(ParseStoredInteger("0x80000000", value));
}

TEST(ReadChar, TakesExactlyOneCharacter) {
  const TStoredTextList list = ListOf("[S]\nOne=Q\nTwo=QU\nNone=\n");
  char value = 'A';
  list.ReadChar("S", "Two", value);
  EXPECT_EQ(value, 'A');
  list.ReadChar("S", "None", value);
  EXPECT_EQ(value, 'A');
  list.ReadChar("S", "One", value);
  EXPECT_EQ(value, 'Q');
}

TEST(ReadString, RefusesEmptyTextUnlessAllowedAndTextOverTheMaximum) {
  const std::string long255(255, 'x');
  const std::string long256(256, 'y');
  const TStoredTextList list = ListOf("[S]\nEmpty=\nA=" + long255 + "\nB=" + long256 + "\n");
  std::string value = "default";
  list.ReadString("S", "Empty", false, value, 255);
  EXPECT_EQ(value, "default");
  list.ReadString("S", "B", true, value, 255);
  EXPECT_EQ(value, "default");
  list.ReadString("S", "A", true, value, 255);
  EXPECT_EQ(value, long255);
  list.ReadString("S", "Empty", true, value, 255);
  EXPECT_EQ(value, "");
}

// --- Writes and the written form ------------------------------------------------

TEST(WrittenForm, SectionsInCreationOrderEachFollowedByAnEmptyLine) {
  TStoredTextList list;
  list.WriteString("First", "Name", "Ann");
  list.WriteInteger("Second", "Count", -12);
  list.WriteBool("First", "Done", true);
  list.WriteChar("Second", "Letter", 'Q');
  list.WriteChar("Second", "None", 0);
  list.WriteString("first", "NAME", "Bob");
  EXPECT_EQ(list.WrittenText(),
            "[First]\r\nNAME=Bob\r\nDone=TRUE\r\n\r\n"
            "[Second]\r\nCount=-12\r\nLetter=Q\r\nNone=\r\n\r\n");
}

TEST(WrittenForm, AValueStaysOneLine) {
  TStoredTextList list;
  list.WriteString("S", "Path", std::string("a\r\n[Main]\nX=1", 14));
  EXPECT_EQ(list.WrittenText(), "[S]\r\nPath=a\r\n\r\n");
  std::string value;
  list.ReadString("Main", "X", true, value, 255);
  EXPECT_EQ(value, "");
}

TEST(WrittenForm, ClearRemovesEverySectionAndReadingBackGivesTheSameBytes) {
  TStoredTextList list = ListOf("[A]\nX=1\n[B]\nY=2\n");
  const std::string written = list.WrittenText();
  EXPECT_EQ(ListOf(written).WrittenText(), written);
  list.Clear();
  EXPECT_TRUE(list.HasContent());
  EXPECT_EQ(list.WrittenText(), "");
}

// --- Load and save ------------------------------------------------------------

class StoredTextFile : public ::testing::Test {
 protected:
  TTempFolder Folder;
  TFakeMessageBoxes Boxes;
  TErrorRecorder Errors;
};

TEST_F(StoredTextFile, AMissingFileLoadsEmptyAndCallsTheHandler) {
  TStoredTextList list(Folder.File("missing.ini"));
  int calls = 0;
  list.OnLoad = [&](TStoredTextList& loaded) {
    ++calls;
    int32_t value = 7;
    loaded.ReadInteger("S", "K", value, 10, 0);
    EXPECT_EQ(value, 7);
  };
  EXPECT_TRUE(list.Load());
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(list.HasContent());
  EXPECT_TRUE(Errors.Shown.empty());
  EXPECT_FALSE(GlobalFunStat.Failed());
}

TEST_F(StoredTextFile, LoadFromReplacesTheContent) {
  Folder.Write("a.ini", "[S]\nK=1\n");
  Folder.Write("b.ini", "[T]\nL=2\n");
  TStoredTextList list(Folder.File("a.ini"));
  ASSERT_TRUE(list.Load());
  ASSERT_TRUE(list.LoadFrom(Folder.File("b.ini")));
  EXPECT_EQ(list.FileName, Folder.File("b.ini"));
  EXPECT_EQ(list.WrittenText(), "[T]\r\nL=2\r\n\r\n");
}

TEST_F(StoredTextFile, AFailingLoadHandlerIsShownAndPassedOn) {
  Folder.Write("a.ini", "[S]\nK=1\n");
  TStoredTextList list(Folder.File("a.ini"));
  list.OnLoad = [](TStoredTextList&) { Raise("Broken value."); };
  EXPECT_FALSE(list.Load());
  ASSERT_EQ(Errors.Shown.size(), 1u);
  EXPECT_EQ(Errors.Shown[0].Message, "Failed to load file.");
  EXPECT_TRUE(GlobalFunStat.Failed());
  EXPECT_EQ(GlobalFunStat.Function, "TStoredTextList::Load");
  EXPECT_EQ(GlobalFunStat.Description, "Unhandled exception: Broken value.");
  GlobalFunStat.Reset(fsPerfect);
}

TEST_F(StoredTextFile, AHandlerFailureLeftInTheStatusCountsAsFailure) {
  TStoredTextList list(Folder.File("a.ini"));
  list.OnLoad = [](TStoredTextList&) {
    PassingFunction("ReadOptions", [](TFunScope& Fun) { Fun.Fail("No options."); });
  };
  EXPECT_FALSE(list.Load());
  EXPECT_EQ(GlobalFunStat.Description, "No options.");
  GlobalFunStat.Reset(fsPerfect);
}

TEST_F(StoredTextFile, AnUnreadableFileFailsToLoad) {
  ::mkdir(Folder.File("folder.ini").c_str(), 0755);
  TStoredTextList list(Folder.File("folder.ini"));
  EXPECT_FALSE(list.Load());
  ASSERT_EQ(Errors.Shown.size(), 1u);
  EXPECT_EQ(Errors.Shown[0].Message, "Failed to load file.");
  GlobalFunStat.Reset(fsPerfect);
}

TEST_F(StoredTextFile, SaveWritesTheHandlersValuesByteForByte) {
  TStoredTextList list(Folder.File("game.gmg"));
  list.OnSave = [](TStoredTextList& saved) {
    saved.Clear();
    saved.WriteString("GlyphmasonGame", "Name", "first");
    saved.WriteInteger("Board", "Columns", 15);
  };
  EXPECT_TRUE(list.SaveAs(Folder.File("game.gmg"), true));
  EXPECT_EQ(Folder.Read("game.gmg"),
            "[GlyphmasonGame]\r\nName=first\r\n\r\n[Board]\r\nColumns=15\r\n\r\n");
  EXPECT_TRUE(Boxes.Shown.empty());
}

TEST_F(StoredTextFile, DecliningTheOverwriteLeavesTheFile) {
  Folder.Write("game.gmg", "old");
  TStoredTextList list;
  int saves = 0;
  list.OnSave = [&](TStoredTextList&) { ++saves; };
  Boxes.Answer(kIdNo);
  EXPECT_FALSE(list.SaveAs(Folder.File("game.gmg"), true));
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_EQ(Boxes.Shown[0].Caption, "Query");
  EXPECT_EQ(Boxes.Shown[0].Text,
            "File \"" + Folder.File("game.gmg") + "\"already exists.\nOverwrite it?");
  EXPECT_EQ(saves, 0);
  EXPECT_EQ(Folder.Read("game.gmg"), "old");
  EXPECT_FALSE(GlobalFunStat.Failed());
}

TEST_F(StoredTextFile, SaveAsWithoutContentKeepsWhatTheFileHeld) {
  Folder.Write("options.ini", "[Kept]\nA=1\n");
  TStoredTextList list;
  list.OnSave = [](TStoredTextList& saved) { saved.WriteInteger("New", "B", 2); };
  Boxes.Answer(kIdYes);
  EXPECT_TRUE(list.SaveAs(Folder.File("options.ini"), true));
  EXPECT_EQ(Folder.Read("options.ini"), "[Kept]\r\nA=1\r\n\r\n[New]\r\nB=2\r\n\r\n");
}

TEST_F(StoredTextFile, AReadOnlyFileIsMadeWritableAndReplaced) {
  const std::string path = Folder.Write("options.ini", "old");
  ::chmod(path.c_str(), 0444);
  TStoredTextList list(path);
  list.WriteInteger("S", "K", 1);
  EXPECT_TRUE(list.Save(false));
  EXPECT_EQ(Folder.Read("options.ini"), "[S]\r\nK=1\r\n\r\n");
}

TEST_F(StoredTextFile, AnInterruptedSaveLeavesTheOldFileAndIsShown) {
  Folder.Write("options.ini", "[Old]\r\nA=1\r\n\r\n");
  TStoredTextList list(Folder.File("options.ini"));
  list.WriteString("New", "B", std::string(1000, 'b'));
  Os::InjectWriteFailureForTesting(100);
  const bool saved = list.Save(false);
  Os::InjectWriteFailureForTesting(-1);
  EXPECT_FALSE(saved);
  EXPECT_EQ(Folder.Read("options.ini"), "[Old]\r\nA=1\r\n\r\n");
  ASSERT_EQ(Errors.Shown.size(), 1u);
  EXPECT_EQ(Errors.Shown[0].Message, "Failed to save file.");
  EXPECT_FALSE(GlobalFunStat.Failed());
}

TEST_F(StoredTextFile, AFailingSaveHandlerWritesNothing) {
  TStoredTextList list(Folder.File("options.ini"));
  list.OnSave = [](TStoredTextList&) { Raise("No board."); };
  EXPECT_FALSE(list.Save(false));
  EXPECT_FALSE(FileExists(Folder.File("options.ini")));
  ASSERT_EQ(Errors.Shown.size(), 1u);
  EXPECT_EQ(Errors.Shown[0].Message, "Failed to save file.");
  EXPECT_FALSE(GlobalFunStat.Failed());
}

// --- Bad input ----------------------------------------------------------------

TEST(StoredTextBadInput, GarbageKeepsDefaultsAndTheRestOfTheFileIsRead) {
  // 100 MB of bytes 1..255 (xorshift: quick to make, the same on every run).
  uint64_t state = 88172645463325252u;
  std::string garbage(100 * 1000 * 1000, '\0');
  for (char& byte : garbage) {
    state ^= state << 13;
    state ^= state >> 7;
    state ^= state << 17;
    byte = static_cast<char>(state % 255 + 1);
  }
  garbage += "\n[Main]\nSize=12\n";
  const TStoredTextList list = ListOf(garbage);
  int32_t size = 15;
  list.ReadInteger("Main", "Size", size, 30, 10);
  EXPECT_EQ(size, 12);
}

TEST(StoredTextBadInput, AHugeLineAndLoneCrsAreReadAsLines) {
  const std::string huge(10 * 1000 * 1000, 'v');
  const TStoredTextList list = ListOf("[S]\rHuge=" + huge + "\r\rSmall=1\r");
  std::string value;
  list.ReadString("S", "Huge", true, value, huge.size());
  EXPECT_EQ(value.size(), huge.size());
  int32_t small = 0;
  list.ReadInteger("S", "Small", small, 10, 0);
  EXPECT_EQ(small, 1);
}

}  // namespace
