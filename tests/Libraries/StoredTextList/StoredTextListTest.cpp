#include "Libraries/StoredTextList/StoredTextList.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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

// The value read, or "default" where the read refuses it.
std::string StringIn(const TStoredTextList& list, const std::string& section,
                     const std::string& key, bool allowEmpty = true) {
  std::string value = "default";
  list.ReadString(section, key, allowEmpty, value, 255);
  return value;
}

// The value read within 0 and INT32_MAX, or -1 where the read refuses it.
int32_t IntegerIn(const TStoredTextList& list, const std::string& section, const std::string& key) {
  int32_t value = -1;
  list.ReadInteger(section, key, value, INT32_MAX, 0);
  return value;
}

TEST(StoredTextForm, KeepsSectionLinesAndFindsTheirNamesWithoutRegardToCase) {
  // Lines before the first section, comments and empty lines are dropped;
  // CR, LF and CR LF end lines; a byte 0 ends the text; "[a]" repeats.
  using namespace std::string_literals;
  const std::string text = "Lost=1\n;note\n[Main]\rKey = v \n\nno equals\r\n[a]\n\rK=1\0[X]\n"s;
  EXPECT_EQ(ListOf(text).WrittenText(),
            "[Main]\r\nKey = v \r\nno equals\r\n\r\n[a]\r\nK=1\r\n\r\n");
  // Names are found without regard to case; blanks around them are kept.
  const TStoredTextList list =
      ListOf("[GLYPHMASONGAME]\n\xC4RGER=1\nKey = v \nSum=a=b\n[glyphmasongame]\nLater=2\n");
  EXPECT_EQ(IntegerIn(list, "GlyphmasonGame", "\xE4rger"), 1);
  EXPECT_EQ(IntegerIn(list, "GlyphmasonGame", "Later"), -1);  // only the first section is found
  EXPECT_EQ(StringIn(list, "GlyphmasonGame", "Key"), "default");
  EXPECT_EQ(StringIn(list, "GlyphmasonGame", "Key "), " v ");
  EXPECT_EQ(StringIn(list, "GlyphmasonGame", "Sum"), "a=b");
}

// Bools, letters of two characters and refused empty texts are read by the
// game file's tests.
TEST(TypedReads, EachTypeTakesOnlyAcceptableText) {
  const TStoredTextList list =
      ListOf("[S]\nEmpty=\nL255=" + std::string(255, 'x') + "\nL256=" + std::string(256, 'y'));
  char letter = 'A';
  list.ReadChar("S", "Empty", letter);
  EXPECT_EQ(letter, 'A');
  EXPECT_EQ(StringIn(list, "S", "Empty", false), "default");
  EXPECT_EQ(StringIn(list, "S", "Empty"), "");
  EXPECT_EQ(StringIn(list, "S", "L255").size(), 255u);
  EXPECT_EQ(StringIn(list, "S", "L256"), "default");
  // An integer is decimal or hexadecimal, within maximum and minimum.
  const std::pair<const char*, int32_t> cases[] = {
      {"12", 12},  {"-7", -7},   {"0x1E", 30},  {"0X1e", 30},  {"$1E", 30},   {"-$A", -10},
      {"30", 30},  {"31", 20},   {"-11", 20},     {"abc", 20},   {"12 ", 20},   {" 12", 20},
      {"", 20},    {"0x", 20},   {"+-5", 20},   {"--3", 20},   {"1.5", 20},   {"0x1G", 20},
  };
  for (const auto& [text, expected] : cases) {
    int32_t value = 20;
    ListOf(std::string("[S]\nK=") + text).ReadInteger("S", "K", value, 30, -10);
    EXPECT_EQ(value, expected) << text;
  }
  int32_t value = 0;
  EXPECT_TRUE(ParseStoredInteger("-0x80000000", value));
  EXPECT_EQ(value, INT32_MIN);
  EXPECT_FALSE(ParseStoredInteger("2147483648", value));
  EXPECT_FALSE(ParseStoredInteger("0x80000000", value));
}

TEST(TypedWrites, KeysThatWouldNotReadBackAreNotWritten) {
  // Found by fuzzing: a key cut to nothing at its line break left an empty
  // line that the file then lost.
  TStoredTextList list = ListOf("[Gunt=10\rullS00\nChar0=B\n\r\n");
  list.WriteString("[Gunt=10", "\rullS00\n", "Char0=B\n\r\n");
  list.WriteString("S", ";comment", "x");
  list.WriteString("S", "[Main", "]");
  EXPECT_EQ(list.WrittenText(), "[[Gunt=10]\r\n\r\n[S]\r\n\r\n");
  EXPECT_EQ(ListOf(list.WrittenText()).WrittenText(), list.WrittenText());
}

class StoredTextFile : public ::testing::Test {
 protected:
  ~StoredTextFile() override { GlobalFunStat.Reset(fsPerfect); }
  TTempFolder Folder;
  TFakeMessageBoxes Boxes;
  TErrorRecorder Errors;
};

TEST_F(StoredTextFile, AMissingFileLoadsEmptyButFailuresAreShownAndPassedOn) {
  Folder.Write("a.ini", "[S]\nK=1\n");
  TStoredTextList list(Folder.File("missing.ini"));
  int calls = 0;
  list.OnLoad = [&](TStoredTextList& loaded) {
    ++calls;
    if (loaded.FileName.ends_with("a.ini")) {
      Raise("Broken value.");
    }
  };
  EXPECT_TRUE(list.Load());
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(list.HasContent());
  EXPECT_FALSE(GlobalFunStat.Failed());
  EXPECT_FALSE(list.LoadFrom(Folder.File("a.ini")));
  EXPECT_EQ(GlobalFunStat.Function, "TStoredTextList::Load");
  EXPECT_EQ(GlobalFunStat.Description, "Unhandled exception: Broken value.");
  // Paths that name no file say what they name; a pipe is not waited on.
  // (A folder is the folder-game scenario's.)
  ::mkfifo(Folder.File("pipe.ini").c_str(), 0644);
  for (const auto& [path, description] : {
           std::pair<std::string, std::string>{Folder.File("pipe.ini"),
                                               "The path names a pipe, not a file."},
           {"/dev/null", "The path names a device, not a file."}}) {
    EXPECT_FALSE(list.LoadFrom(path));
    EXPECT_EQ(GlobalFunStat.Description + "|" + GlobalFunStat.Parameter1, description + "|" + path);
  }
  EXPECT_EQ(calls, 2) << "only the missing file and a.ini reach the handler";
  EXPECT_EQ(Errors.Messages(), std::vector<std::string>(3, "Failed to load file."));
}

TEST_F(StoredTextFile, SaveAsReadsTheFileFirstAndReplacesItThoughReadOnly) {
  const std::string path = Folder.Write("game.gmg", "[Old]\nA=1\n");
  ::chmod(path.c_str(), 0444);
  TStoredTextList list;
  list.OnSave = [](TStoredTextList& saved) { saved.WriteInteger("Board", "Columns", 15); };
  Boxes.Answer(kIdYes);
  EXPECT_TRUE(list.SaveAs(path, true));
  EXPECT_EQ(Folder.Read("game.gmg"), "[Old]\r\nA=1\r\n\r\n[Board]\r\nColumns=15\r\n\r\n");
  EXPECT_FALSE(IsReadOnly(path));
  // A private game stays private.
  ::chmod(path.c_str(), 0600);
  EXPECT_TRUE(list.Save(false));
  EXPECT_EQ(FileModeOf(path) & 07777, 0600u);
}

TEST_F(StoredTextFile, AFailedSaveLeavesTheOldFileAndIsNotPassedOn) {
  Folder.Write("options.ini", "[Old]\r\nA=1\r\n\r\n");
  TStoredTextList list(Folder.File("options.ini"));
  list.WriteString("New", "B", std::string(1000, 'b'));
  Os::InjectWriteFailureForTesting(100);
  EXPECT_FALSE(list.Save(false));
  Os::InjectWriteFailureForTesting(-1);
  list.OnSave = [](TStoredTextList&) { Raise("No board."); };
  EXPECT_FALSE(list.Save(false));
  EXPECT_EQ(Folder.Read("options.ini"), "[Old]\r\nA=1\r\n\r\n");
  // A pipe in the file's place is not replaced by a file.
  ::mkfifo(Folder.File("pipe.ini").c_str(), 0644);
  list.OnSave = nullptr;
  EXPECT_FALSE(list.SaveAs(Folder.File("pipe.ini"), false));
  EXPECT_TRUE(S_ISFIFO(FileModeOf(Folder.File("pipe.ini"))));
  ASSERT_EQ(Errors.Messages(), std::vector<std::string>(3, "Failed to save file."));
  EXPECT_NE(Errors.Shown[2].Report.find("The path names a pipe, not a file."), std::string::npos);
  EXPECT_FALSE(GlobalFunStat.Failed());
}

TEST_F(StoredTextFile, AFileBeyondTheLimitIsRefusedBeforeItIsRead) {
  // Sparse files: a size on the disk, without the bytes.
  const std::string large = Folder.Write("large.gmg", "[GlyphmasonGame]\r\nScore=7\r\n");
  ASSERT_EQ(::truncate(large.c_str(), static_cast<off_t>(kMaxStoredTextBytes + 1)), 0);
  const std::string largest = Folder.Write("largest.gmg", "[GlyphmasonGame]\r\nScore=7\r\n");
  ASSERT_EQ(::truncate(largest.c_str(), static_cast<off_t>(kMaxStoredTextBytes)), 0);
  TStoredTextList list;
  int calls = 0;
  list.OnLoad = [&](TStoredTextList&) { ++calls; };
  EXPECT_FALSE(list.LoadFrom(large));
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(GlobalFunStat.Description, "The file is larger than 64 MB, the most it may hold.");
  EXPECT_TRUE(list.LoadFrom(largest));
  EXPECT_EQ(IntegerIn(list, "GlyphmasonGame", "Score"), 7);
  // Saving over a file beyond the limit reads it first: refused the same way.
  EXPECT_FALSE(TStoredTextList().SaveAs(large, false));
  EXPECT_EQ(Errors.Messages(),
            (std::vector<std::string>{"Failed to load file.", "Failed to save file."}));
}

TEST(StoredTextForm, WritesKeepTheirPlaceAcrossSectionsAndAfterReading) {
  TStoredTextList list = ListOf("[A]\r\nk=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\n");
  list.WriteString("a", "K", "4");  // the first section A, where k stands
  list.WriteString("A", "n", "5");  // appended to A, before B
  list.WriteInteger("B", "m", -6);  // appended to B, before the second A
  list.WriteBool("C", "k", true);   // a new section at the end
  // A value stays one line: it cannot add keys or sections of its own.
  list.WriteString("C", "p", "8\r\n[Main]\nX=1");
  EXPECT_EQ(StringIn(list, "b", "M"), "-6");
  EXPECT_EQ(StringIn(list, "A", "N"), "5");
  EXPECT_EQ(list.WrittenText(),
            "[A]\r\nK=4\r\nn=5\r\n\r\n[B]\r\nk=2\r\nm=-6\r\n\r\n[a]\r\nk=3\r\n\r\n"
            "[C]\r\nk=TRUE\r\np=8\r\n\r\n");
  EXPECT_EQ(ListOf(list.WrittenText()).WrittenText(), list.WrittenText());
  // Thousands of keys written and read back, as a large board's map.
  TStoredTextList map;
  for (int32_t k = 0; k < 5000; ++k) {
    map.WriteInteger("Map", "L" + std::to_string(k), k);
  }
  TStoredTextList again = ListOf(map.WrittenText());
  for (int32_t k = 0; k < 5000; k += 499) {
    EXPECT_EQ(IntegerIn(again, "map", "l" + std::to_string(k)), k);
  }
}

}  // namespace
