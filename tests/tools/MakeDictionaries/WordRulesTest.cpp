#include "tools/MakeDictionaries/WordRules.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Libraries/Text/Cp1252.h"
#include "support/Golden.h"
#include "support/TestFolders.h"

namespace {

const TLanguage& Language(const std::string& name) {
  for (const TLanguage& language : Languages()) {
    if (language.Name == name) {
      return language;
    }
  }
  throw std::runtime_error("no language " + name);
}

// The game word as UTF-8, or "-" when the word is left out.
std::string Game(const std::string& utf8, const std::string& language) {
  const std::optional<std::string> word = GameWord(utf8, Language(language));
  return word ? Cp1252ToUtf8(*word) : "-";
}

TEST(GameWord, FollowsEachLanguagesLetterCustomAndAListIsSortedOnce) {
  const struct {
    const char *Word, *Language, *Expected;  // "-" when the word is left out
  } cases[] = {
      {"castle", "English", "CASTLE"},      {"café", "English", "CAFE"},
      {"castle's", "English", "-"},         {"Boston", "English", "-"},
      {"x-ray", "English", "-"},            {"mp3", "English", "-"},
      {"b", "English", "-"},                {"ice cream", "English", "-"},
      {"łódź", "English", "-"},             {"\xff\xfe", "English", "-"},
      {"Äpfel", "German", "ÄPFEL"},         {"Abhörmaßnahme", "German", "ABHÖRMASSNAHME"},
      {"Café", "German", "CAFE"},           {"GmbH", "German", "-"},
      {"cœur", "French", "COEUR"},          {"ça", "French", "CA"},
      {"aujourd'hui", "French", "-"},       {"Paris", "French", "-"},
      {"conformità", "Italian", "CONFORMITA"}, {"aangeërfd", "Dutch", "AANGEERFD"},
      {"DNA-profielen", "Dutch", "-"},      {"abajeña", "Spanish", "ABAJEÑA"},
      {"pingüino", "Spanish", "PINGUINO"},  {"España", "Spanish", "-"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Game(c.Word, c.Language), c.Expected) << c.Word;
  }
  // A whole list is sorted and its duplicates dropped.
  const std::vector<std::string> words = GameWords("côte\r\ncote\nabc\nAbc\n\nzz", Language("French"));
  EXPECT_EQ(words, (std::vector<std::string>{"ABC", "COTE", "ZZ"}));
}

TEST(Languages, EveryAlphabetFitsItsSlotsAndHoldsTheKeptLetters) {
  ASSERT_EQ(Languages().size(), 6u);
  EXPECT_EQ(Languages().front().Name, "English");
  for (const TLanguage& language : Languages()) {
    EXPECT_LE(language.Alphabet.size(), 40u) << language.Name;
    for (const char kept : language.KeptLetters) {
      EXPECT_NE(language.Alphabet.find(UpperCaseCp1252(kept)), std::string::npos) << language.Name;
    }
  }
  EXPECT_EQ(Cp1252ToUtf8(Language("Spanish").Alphabet), "ABCDEFGHIJKLMNÑOPQRSTUVWXYZ");
}

TEST(MakeDictionary, WritesTheWordsListTheDictionaryAndTheCopyright) {
  TTempFolder folder;
  for (const char* made : {"dict", "doc", "doc/wngerman", "out"}) {
    ::mkdir(folder.File(made).c_str(), 0755);
  }
  folder.Write("dict/ngerman", "Äpfel\nBaum\nbaum\nGmbH\nStraße\n");
  folder.Write("doc/wngerman/copyright", "Free to use.\n");
  std::string message;
  ASSERT_TRUE(MakeDictionary(Language("German"), folder.File("dict"), folder.File("doc"),
                             folder.File("out"), message));
  EXPECT_EQ(message, "German: 3 words, alphabet ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ");
  // The fallback weights: S is the most frequent letter (3 times), Ä once.
  for (const char* made : {"German.gmd", "German.txt", "German-copyright.txt"}) {
    EXPECT_TRUE(MatchesGolden(std::string("MakeDictionaries/") + made,
                              folder.Read(std::string("out/") + made)));
  }

  EXPECT_FALSE(MakeDictionary(Language("Dutch"), folder.File("dict"), folder.File("doc"),
                              folder.File("out"), message));
  EXPECT_NE(message.find("wdutch"), std::string::npos);
}

}  // namespace
