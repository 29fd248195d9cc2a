#include "dictionary/Dictionary.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <thread>

#include "Libraries/Error/FunStatContext.h"
#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileInfo.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/Program/ProgramPaths.h"
#include "game/Scoring.h"
#include "lexicon/WordsList.h"
#include "support/ErrorRecorder.h"
#include "support/FakeMessageBoxes.h"
#include "support/TestFolders.h"
#include "tests/game/RecordingDisplay.h"

namespace {

// Long enough for the clock that stamps files to tick on.
constexpr auto kPastFileClockTick = std::chrono::milliseconds(50);

const char* const kTooFewActiveLetters =
    "There aren't enough active letters to form an alphabet. \nChange the dictionary!";

class TRecordingDictionaryDisplay : public IDictionaryDisplay {
 public:
  void SetDictionaryNames(const std::string& dictionary, const std::string& wordsList) override {
    DictionaryEdit = dictionary;
    WordsListEdit = wordsList;
  }
  void SetLetterFont(const std::string& fontName) override { LetterFont = fontName; }
  void SetChoiceLetters(const std::string&,
                        const std::array<char, kMaxAlphabetSlots>& alphabet) override {
    ChoiceLetters = alphabet;
  }
  std::string DictionaryEdit, WordsListEdit, LetterFont;
  std::array<char, kMaxAlphabetSlots> ChoiceLetters{};
};

// Slot i holds the letter 'A' + i with the weight weights[i].
std::string SlotSection(const std::vector<int>& weights) {
  std::string text = "[Alphabet]\n";
  for (size_t i = 0; i < weights.size(); ++i) {
    text += "Char" + std::to_string(i) + "=" + static_cast<char>('A' + i) + "\n";
    text += "Prob" + std::to_string(i) + "=" + std::to_string(weights[i]) + "\n";
  }
  return text;
}

// Eleven letters A..K of weight 1: just enough for an alphabet.
const std::string kElevenLetters = SlotSection(std::vector<int>(11, 1));

// A dictionary of eleven letters whose words list has the name.
std::string WithList(const std::string& name) {
  return "[Main]\nWordsListName=" + name + "\n" + kElevenLetters;
}

// The file's modification time moved on, as a later write of as many bytes gives.
void TouchLater(const std::string& path) {
  std::filesystem::last_write_time(
      path, std::filesystem::last_write_time(path) + std::chrono::seconds(5));
}

std::string Lines(int count, const std::string& line) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += line + "\n";
  }
  return text;
}

template <class Array>
std::vector<int32_t> First(const Array& values, size_t count) {
  return std::vector<int32_t>(values.begin(), values.begin() + count);
}

class DictionaryTest : public ::testing::Test {
 protected:
  DictionaryTest() { ::mkdir(DictionariesDirectory().c_str(), 0755); }
  ~DictionaryTest() override { GlobalFunStat.Reset(fsPerfect); }

  std::string Put(const std::string& name, const std::string& text) {
    return Program.Write(std::string(kDictionariesFolderName) + "/" + name, text);
  }
  std::string Read(const std::string& name) {
    return Program.Read(std::string(kDictionariesFolderName) + "/" + name);
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const TShownBox& box : Boxes.Shown) {
      texts.push_back(box.Text);
    }
    return texts;
  }
  const TLetterData& Letters() const { return Game.Letters; }
  // A word added to the list as the game adds it, then the dictionary saved.
  void AddAndSave(const std::string& word) {
    Game.WordsListLines.AddWord(word);
    Game.WordsListModified = true;
    Errors.Shown.clear();
    Dictionary.SaveDictionary();
  }
  // The one error shown, with a part of its report; nothing passed on.
  void ExpectError(const std::string& message, const std::string& part, const std::string& scene) {
    ASSERT_EQ(Errors.Shown.size(), 1u) << scene;
    EXPECT_EQ(Errors.Shown[0].Message, message) << scene;
    EXPECT_NE(Errors.Shown[0].Report.find(part), std::string::npos) << Errors.Shown[0].Report;
    EXPECT_FALSE(GlobalFunStat.Failed()) << scene;
  }

  TTestProgramFolder Program;
  TFakeMessageBoxes Boxes;
  TErrorRecorder Errors;
  TRecordingDisplay GameDisplay;
  TGame Game{GameDisplay};
  TRecordingDictionaryDisplay Display;
  TDictionary Dictionary{Game, Display};
};

// --- Letters read slot by slot ---------------------------------------------------

TEST_F(DictionaryTest, ElevenActiveLettersAreEnoughAndTenAreNot) {
  Put("Eleven.gmd", kElevenLetters);
  Put("Ten.gmd", SlotSection({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
  EXPECT_TRUE(Dictionary.LoadDictionary("Eleven.gmd"));
  EXPECT_EQ(Dictionary.ActiveLettersCount, 11);
  EXPECT_TRUE(Boxes.Shown.empty());

  Game.SetStockLetter(0, 'A');
  EXPECT_FALSE(Dictionary.LoadDictionary("Ten.gmd"));
  EXPECT_EQ(Dictionary.ActiveLettersCount, 10);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{kTooFewActiveLetters});
  EXPECT_EQ(Boxes.Shown[0].Caption, "Warning");
  EXPECT_EQ(Game.StockLetter(0), 0);
  EXPECT_EQ(Dictionary.DictionaryName, "Ten.gmd");
}

TEST_F(DictionaryTest, UnacceptableSlotValuesLeaveTheSlotEmpty) {
  Put("Odd.gmd", SlotSection({1000, 1001, -1, 5}) +
                     "Char4=QU\nProb4=5\nChar5=\nProb5=5\nProb6=0x10\nChar7=Z\nProb7=abc\n");
  Dictionary.LoadDictionary("Odd.gmd");
  EXPECT_EQ(std::string(Letters().Alphabet.data(), 8), std::string("ABCD\0\0\0Z", 8));
  EXPECT_EQ(First(Letters().LetterProbabilities, 8), (std::vector<int32_t>{1000, 0, 0, 5, 5, 5, 16, 0}));
  // A weight without a letter counts as active.
  EXPECT_EQ(Dictionary.ActiveLettersCount, 5);
}

TEST_F(DictionaryTest, ScoresFontChoiceLettersAndTheListFollowTheFile) {
  // Without a words-list name the list is named after the dictionary.
  Put("Scores.gmd", "[Main]\nFontName=Courier New\n" +
                        SlotSection({1000, 1, 500, 1, 1, 1, 1, 1, 1, 1, 1}) +
                        "[LengthScores]\n1=0\n2=3\n7=1000\n6=1001\n5=-1\n");
  Put("Scores.txt", "cat\ndog\n");
  EXPECT_TRUE(Dictionary.LoadDictionary("Scores.gmd"));
  EXPECT_EQ(Display.LetterFont, "Courier New");
  EXPECT_EQ(Display.ChoiceLetters[2], 'C');
  EXPECT_EQ(First(Letters().LetterScores, 3), (std::vector<int32_t>{1, 10, 3}));
  EXPECT_EQ(Letters().LengthScores, (std::array<int32_t, 7>{0, 3, 0, 0, 0, 0, 1000}));
  EXPECT_EQ(Dictionary.WordsListPath(), DictionariesDirectory() + "Scores.txt");
  EXPECT_EQ(Display.DictionaryEdit + " " + Display.WordsListEdit, "Scores Scores");
}

// --- Loading the same dictionary again ---------------------------------------------

TEST_F(DictionaryTest, AnUnchangedWordsListIsKeptAndAChangedOneReadAgain) {
  Put("Same.gmd", kElevenLetters);
  const std::string list = Put("Same.txt", "cat\ndog\n");
  // A stamp taken in the tick the file was written proves nothing.
  std::this_thread::sleep_for(kPastFileClockTick);
  ASSERT_TRUE(Dictionary.LoadDictionary("Same.gmd"));
  const uint64_t version = Game.WordsListLines.Version();
  ASSERT_TRUE(Dictionary.LoadDictionary("Same.gmd"));
  EXPECT_EQ(Game.WordsListLines.Version(), version);
  // Words added and not saved are lost; added without the flag (as no
  // caller does) they still count as a change.
  Game.WordsListLines.AddWord("EMU");
  Game.WordsListModified = true;
  ASSERT_TRUE(Dictionary.LoadDictionary("Same.gmd"));
  EXPECT_EQ(Game.WordsListLines.Lines(), (std::vector<std::string>{"cat", "dog"}));
  EXPECT_FALSE(Game.WordsListModified);
  EXPECT_EQ(GameDisplay.WordsCount, "There are 2 words in the words list.");
  Game.WordsListLines.AddWord("EMU");
  ASSERT_TRUE(Dictionary.LoadDictionary("Same.gmd"));
  EXPECT_EQ(Game.WordsListLines.Count(), 2);

  // Rewritten in place with as many bytes: the modification time tells.
  Put("Same.txt", "cow\nhen\n");
  TouchLater(list);
  ASSERT_TRUE(Dictionary.LoadDictionary("Same.gmd"));
  EXPECT_EQ(Game.WordsListLines.Lines(), (std::vector<std::string>{"cow", "hen"}));

  // Replaced by another file of the same size and time: its identity tells.
  const auto time = std::filesystem::last_write_time(list);
  const std::string other = Put("Other.txt", "elk\nant\n");
  std::filesystem::last_write_time(other, time);
  std::filesystem::rename(other, list);
  ASSERT_TRUE(Dictionary.LoadDictionary("Same.gmd"));
  EXPECT_EQ(Game.WordsListLines.Lines(), (std::vector<std::string>{"elk", "ant"}));

  // Gone: the list is empty, as the file is.
  std::filesystem::remove(list);
  ASSERT_TRUE(Dictionary.LoadDictionary("Same.gmd"));
  EXPECT_EQ(Game.WordsListLines.Count(), 0);

  // Deleted and written again at once with its old size and time: a stamp of
  // the tick the file was written proves nothing.
  Put("Same.txt", "cat\ndog\n");
  ASSERT_TRUE(Dictionary.LoadDictionary("Same.gmd"));
  const auto written = std::filesystem::last_write_time(list);
  std::filesystem::remove(list);
  Put("Same.txt", "elk\nant\n");
  std::filesystem::last_write_time(list, written);
  ASSERT_TRUE(Dictionary.LoadDictionary("Same.gmd"));
  EXPECT_EQ(Game.WordsListLines.Entry(0), "elk");
}

TEST_F(DictionaryTest, ASaveWritesTheListOnlyWhenTheFileDiffersAndKeepsTheFlag) {
  Put("Same.gmd", kElevenLetters);
  const std::string list = Put("Same.txt", "cat\ndog\n");
  ASSERT_TRUE(Dictionary.LoadDictionary("Same.gmd"));
  AddAndSave("EMU");
  EXPECT_EQ(Read("Same.txt"), "cat\r\ndog\r\nEMU\r\n");
  TFileStamp written;
  ASSERT_TRUE(GetFileStamp(list, written));
  // The second save finds the file as it would write it and leaves it.
  Dictionary.SaveDictionary();
  TFileStamp again;
  ASSERT_TRUE(GetFileStamp(list, again));
  EXPECT_EQ(again, written);
  EXPECT_TRUE(Game.WordsListModified);
  EXPECT_TRUE(Errors.Shown.empty());
  // Changed behind the game's back, it is written again.
  Put("Same.txt", "cat\r\ndog\r\nELK\r\n");
  TouchLater(list);
  Dictionary.SaveDictionary();
  EXPECT_EQ(Read("Same.txt"), "cat\r\ndog\r\nEMU\r\n");
}

// --- Weights computed from the words list -----------------------------------------

TEST_F(DictionaryTest, AKeptListIsCountedAgainForAnotherAlphabetOrAddedWords) {
  Put("Shared.txt", Lines(999, "aab") + "ccc\n");
  Put("One.gmd", "[Main]\nWordsListName=Shared\nAlphabet=ABCDEFGHIJK\n");
  Put("Two.gmd", "[Main]\nWordsListName=Shared\nAlphabet=CBADEFGHIJK\n");
  // A stamp taken in the tick the file was written proves nothing.
  std::this_thread::sleep_for(kPastFileClockTick);
  ASSERT_TRUE(Dictionary.LoadDictionary("One.gmd"));
  EXPECT_EQ(First(Letters().LetterProbabilities, 3), (std::vector<int32_t>{1000, 500, 2}));
  ASSERT_TRUE(Dictionary.LoadDictionary("Two.gmd"));
  EXPECT_EQ(First(Letters().LetterProbabilities, 3), (std::vector<int32_t>{2, 500, 1000}));
  // Words added but not saved are dropped by the load: the file's counts come back.
  Game.WordsListLines.AddWord("CCCCCCCCCC");
  Game.WordsListModified = true;
  ASSERT_TRUE(Dictionary.LoadDictionary("Two.gmd"));
  EXPECT_EQ(First(Letters().LetterProbabilities, 3), (std::vector<int32_t>{2, 500, 1000}));
  // A word taken out (and the flag left clear, as taking back an added word
  // may leave it) is a change as well.
  ASSERT_TRUE(Game.WordsListLines.RemoveWord("ccc"));
  ASSERT_TRUE(Dictionary.LoadDictionary("Two.gmd"));
  EXPECT_EQ(First(Letters().LetterProbabilities, 3), (std::vector<int32_t>{2, 500, 1000}));
}

TEST_F(DictionaryTest, AnAlphabetTextWithAtLeast1000EntriesGivesComputedWeights) {
  std::string fifty;
  for (int i = 0; i < 50; ++i) {
    fifty += static_cast<char>('0' + i);
  }
  const struct {
    std::string Alphabet, Words;
    bool Usable, Auto;
    int32_t Active;
    std::vector<int32_t> Weights;  // of the first slots
    std::vector<std::string> Boxes;
    int Slot11;  // the letter of slot 11; -1: not looked at
  } cases[] = {
      // Under 1000 entries the slots' weights stay.
      {"ABCDEFGHIJKL", Lines(999, "ab"), true, false, 11, {7, 7},
       {"There are not enough words in the words list\nto automatically calculate letter "
        "probabilities."}, 0},
      // Empty entries count; the most frequent letter weighs 1000, any other at least 1.
      {"ABCDEFGHIJKL", Lines(998, "aab") + "\nkl\n", true, true, 12,
       {1000, 500, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1}, {}, 'L'},
      {"ABCDEFGHIJKL", Lines(1000, "123"), false, true, 0, {0, 0}, {kTooFewActiveLetters}, -1},
      // Only the first 40 letters of the text are the alphabet; "a" is counted as "A".
      {fifty, Lines(1000, fifty), true, true, 40, {500}, {}, fifty[11]},
  };
  for (const auto& c : cases) {
    Boxes.Shown.clear();
    Put("Auto.gmd", "[Main]\nAlphabet=" + c.Alphabet + "\n" + SlotSection(std::vector<int>(11, 7)));
    Put("Auto.txt", c.Words);
    EXPECT_EQ(Dictionary.LoadDictionary("Auto.gmd"), c.Usable) << c.Active;
    EXPECT_EQ(Dictionary.AutoProbabilities, c.Auto) << c.Active;
    EXPECT_EQ(Dictionary.ActiveLettersCount, c.Active);
    EXPECT_EQ(First(Letters().LetterProbabilities, c.Weights.size()), c.Weights) << c.Active;
    EXPECT_EQ(BoxTexts(), c.Boxes) << c.Active;
    if (c.Slot11 >= 0) {
      EXPECT_EQ(Letters().Alphabet[11], c.Slot11) << c.Active;
    }
  }
  EXPECT_EQ(Letters().Alphabet[39], fifty[39]);
}

// --- Names and paths -------------------------------------------------------------

TEST_F(DictionaryTest, AWordsListNameMayHoldASubPathButNeverLeaveTheFolder) {
  ::mkdir((DictionariesDirectory() + "Lists").c_str(), 0755);
  Put("Lists/Shared.txt", "one\n");
  // A name written on Windows separates its folders with backslashes.
  for (const std::string name : {"Lists/Shared", "Lists\\Shared"}) {
    Put("Sub.gmd", WithList(name));
    Dictionary.LoadDictionary("Sub.gmd");
    EXPECT_EQ(Dictionary.WordsListPath(), DictionariesDirectory() + "Lists/Shared.txt") << name;
    EXPECT_EQ(Game.WordsListLines.Count(), 1) << name;
  }
  AddAndSave("TWO");
  EXPECT_EQ(Read("Lists/Shared.txt"), "one\r\nTWO\r\n");
  EXPECT_FALSE(FileExists(DictionariesDirectory() + "Lists\\Shared.txt"));

  // Which names climb out is the path rules' table; a name that does is not taken.
  Put("Climb.gmd", "[Main]\nWordsListName=Lists/../../x\n");
  Dictionary.LoadDictionary("Climb.gmd");
  EXPECT_EQ(Dictionary.WordsListPath(), DictionariesDirectory() + "Climb.txt");
}

TEST_F(DictionaryTest, AMissingDictionaryGivesTwoWarningsNoNameAndNoSave) {
  Put("Mine.gmd", kElevenLetters);
  Program.Write("Outside.gmd", kElevenLetters);
  // One that is not there at all is the golden game Commands'.
  Dictionary.LoadDictionary("Mine.gmd");
  Boxes.Shown.clear();
  EXPECT_FALSE(Dictionary.LoadDictionary("../Outside.gmd"));
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{"There is no such dictionary.", kTooFewActiveLetters}));
  EXPECT_EQ(Dictionary.DictionaryName, "");
  EXPECT_EQ(Display.DictionaryEdit, "");
  EXPECT_EQ(Letters().Alphabet[0], 0);
  AddAndSave("DOG");  // without a dictionary there is no words list to write
  for (const auto& entry : std::filesystem::recursive_directory_iterator(Program.Path())) {
    EXPECT_NE(entry.path().extension(), ".txt") << entry.path();
  }
}

TEST_F(DictionaryTest, ADictionaryOrWordsListThatIsNoFileIsShownAndStillChecked) {
  // A folder or a pipe in place of the dictionary or its words list: the
  // report says what the path is, and nothing waits for a pipe's writer.
  ::mkdir((DictionariesDirectory() + "Folder.gmd").c_str(), 0755);
  ::mkfifo((DictionariesDirectory() + "Pipe.gmd").c_str(), 0644);
  Put("FolderList.gmd", kElevenLetters);
  ::mkdir((DictionariesDirectory() + "FolderList.txt").c_str(), 0755);
  Put("PipeList.gmd", kElevenLetters);
  ::mkfifo((DictionariesDirectory() + "PipeList.txt").c_str(), 0644);
  for (const auto& [name, kind] :
       {std::pair<std::string, std::string>{"Folder.gmd", "a folder"}, {"Pipe.gmd", "a pipe"},
        {"FolderList.gmd", "a folder"}, {"PipeList.gmd", "a pipe"}}) {
    Errors.Shown.clear();
    Boxes.Shown.clear();
    EXPECT_FALSE(Dictionary.LoadDictionary(name)) << name;
    ExpectError("Failed to load file.",
                "* Description: \"The path names " + kind + ", not a file.\"", name);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{kTooFewActiveLetters});
  }
}

// --- Writing the words list back ---------------------------------------------------

TEST_F(DictionaryTest, AWordsListBeyondTheLimitIsRefusedAsAFailedRead) {
  // A sparse file: a size on the disk, without the bytes.
  const std::string list = Put("Huge.txt", "dog\r\n");
  ASSERT_EQ(::truncate(list.c_str(), static_cast<off_t>(kMaxWordsListBytes + 1)), 0);
  Put("Huge.gmd", kElevenLetters);
  EXPECT_FALSE(Dictionary.LoadDictionary("Huge.gmd"));
  ExpectError("Failed to load file.", "The file is larger than 128 MB, the most it may hold.",
              "huge");
  EXPECT_EQ(Game.WordsListLines.Count(), 0);
  TWordsList words;
  EXPECT_THROW(words.LoadWordsListFile(list), TRaisedError);
}

TEST_F(DictionaryTest, NewWordsGoToAListLinkedWithinTheProgramsFoldersAndToNoOtherLink) {
  // A file link, which keeps its target's mode, and a folder link.
  ::mkdir((DictionariesDirectory() + "Lists").c_str(), 0755);
  Put("Lists/Shared.txt", "cat\r\n");
  ::chmod((DictionariesDirectory() + "Lists/Shared.txt").c_str(), 0640);
  ASSERT_EQ(::symlink("Lists/Shared.txt", (DictionariesDirectory() + "Mine.txt").c_str()), 0);
  ::mkdir(Program.File("Shared").c_str(), 0755);
  Program.Write("Shared/Words.txt", "cat\r\n");
  ASSERT_EQ(::symlink(Program.File("Shared").c_str(), (DictionariesDirectory() + "in").c_str()), 0);
  // Lists that may not be written, shown, left as they were and keeping the
  // new words: a link, and a folder link, that lead out of the program's
  // folders; a list marked read-only (it is not unmarked); no folder for the list.
  TTempFolder elsewhere;
  const std::string outside = elsewhere.Write("Words.txt", "cat\r\n");
  ASSERT_EQ(::symlink(outside.c_str(), (DictionariesDirectory() + "Out.txt").c_str()), 0);
  ASSERT_EQ(::symlink(elsewhere.Path().c_str(), (DictionariesDirectory() + "ext").c_str()), 0);
  const std::string readOnly = Put("Locked.txt", "cat\r\n");
  ::chmod(readOnly.c_str(), 0444);
  // A byte 0 after the second line, and a list saved as UTF-16: the lines
  // after the byte 0 were never read.
  const std::string cut("dog\r\ncat\r\n\0sea\r\nsun\r\n", 21);
  const std::string utf16 = "\xFF\xFE" + std::string("d\0o\0g\0\r\0\n\0c\0a\0t\0\r\0\n\0", 20);
  Put("Cut.txt", cut);
  Put("Cut16.txt", utf16);
  for (const std::string list :
       {"Mine", "in/Words", "Out", "ext/Words", "Locked", "NoFolder/Words", "Cut", "Cut16"}) {
    Put("Lost.gmd", WithList(list));
    Dictionary.LoadDictionary("Lost.gmd");
    const int32_t count = Game.WordsListLines.Count();
    AddAndSave("NEW");
    if (list == "Mine" || list == "in/Words") {
      EXPECT_TRUE(Errors.Shown.empty()) << list;
    } else {
      ExpectError("Failed to save dictionary.", list.starts_with("Cut") ? "byte 0" : "", list);
    }
    EXPECT_EQ(Game.WordsListLines.Count(), count + 1) << list;
  }
  struct stat status {};
  ASSERT_EQ(::lstat((DictionariesDirectory() + "Mine.txt").c_str(), &status), 0);
  EXPECT_TRUE(S_ISLNK(status.st_mode));
  EXPECT_EQ(Read("Lists/Shared.txt"), "cat\r\nNEW\r\n");
  ::stat((DictionariesDirectory() + "Lists/Shared.txt").c_str(), &status);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_EQ(Program.Read("Shared/Words.txt"), "cat\r\nNEW\r\n");
  EXPECT_EQ(elsewhere.Read("Words.txt"), "cat\r\n");
  EXPECT_EQ(Read("Locked.txt"), "cat\r\n");
  EXPECT_TRUE(IsReadOnly(readOnly));
  EXPECT_EQ(Read("Cut.txt"), cut);
  EXPECT_EQ(Read("Cut16.txt"), utf16);
  // A list read whole again is written as before.
  Put("Cut16.txt", "dog\r\n");
  Dictionary.LoadDictionary("Lost.gmd");
  AddAndSave("NEW");
  EXPECT_EQ(Read("Cut16.txt"), "dog\r\nNEW\r\n");
}

}  // namespace
