#include "tools/MakeDictionaries/WordRules.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "Libraries/StoredTextList/StoredTextList.h"
#include "Libraries/Text/Cp1252.h"
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

TEST(GameWord, EnglishKeepsPlainWordsInCapitals) {
  EXPECT_EQ(Game("castle", "English"), "CASTLE");
  EXPECT_EQ(Game("café", "English"), "CAFE");
  EXPECT_EQ(Game("castle's", "English"), "-");
  EXPECT_EQ(Game("Boston", "English"), "-");
  EXPECT_EQ(Game("x-ray", "English"), "-");
  EXPECT_EQ(Game("mp3", "English"), "-");
  EXPECT_EQ(Game("b", "English"), "-");
  EXPECT_EQ(Game("", "English"), "-");
  EXPECT_EQ(Game("ice cream", "English"), "-");
}

TEST(GameWord, GermanKeepsUmlautsNounsAndWritesEszettAsSs) {
  EXPECT_EQ(Game("Äpfel", "German"), "ÄPFEL");
  EXPECT_EQ(Game("Abhörmaßnahme", "German"), "ABHÖRMASSNAHME");
  EXPECT_EQ(Game("Café", "German"), "CAFE");
  EXPECT_EQ(Game("GmbH", "German"), "-");
  EXPECT_EQ(Game("EDV", "German"), "-");
}

TEST(GameWord, FrenchItalianAndDutchDropAccentsAndProperNouns) {
  EXPECT_EQ(Game("surédifieriez", "French"), "SUREDIFIERIEZ");
  EXPECT_EQ(Game("cœur", "French"), "COEUR");
  EXPECT_EQ(Game("ça", "French"), "CA");
  EXPECT_EQ(Game("vert-de-griserez", "French"), "-");
  EXPECT_EQ(Game("aujourd'hui", "French"), "-");
  EXPECT_EQ(Game("Paris", "French"), "-");
  EXPECT_EQ(Game("conformità", "Italian"), "CONFORMITA");
  EXPECT_EQ(Game("aangeërfd", "Dutch"), "AANGEERFD");
  EXPECT_EQ(Game("Nelis", "Dutch"), "-");
  EXPECT_EQ(Game("DNA-profielen", "Dutch"), "-");
}

TEST(GameWord, SpanishDropsAccentsButKeepsEnye) {
  EXPECT_EQ(Game("abajeña", "Spanish"), "ABAJEÑA");
  EXPECT_EQ(Game("canción", "Spanish"), "CANCION");
  EXPECT_EQ(Game("pingüino", "Spanish"), "PINGUINO");
  EXPECT_EQ(Game("España", "Spanish"), "-");
}

TEST(GameWord, CharactersOutsideTheCodePageLeaveTheWordOut) {
  EXPECT_EQ(Game("naïveté", "English"), "NAIVETE");
  EXPECT_EQ(Game("łódź", "English"), "-");
  EXPECT_EQ(Game("\xff\xfe", "English"), "-");
}

TEST(GameWords, SortsAndDropsDuplicatesOfAWholeList) {
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
  EXPECT_EQ(Cp1252ToUtf8(Language("German").Alphabet), "ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ");
  EXPECT_EQ(Cp1252ToUtf8(Language("Spanish").Alphabet), "ABCDEFGHIJKLMNÑOPQRSTUVWXYZ");
}

TEST(MakeDictionary, WritesTheWordsListTheDictionaryAndTheCopyright) {
  TTempFolder folder;
  ::mkdir(folder.File("dict").c_str(), 0755);
  ::mkdir(folder.File("doc").c_str(), 0755);
  ::mkdir(folder.File("doc/wngerman").c_str(), 0755);
  ::mkdir(folder.File("out").c_str(), 0755);
  folder.Write("dict/ngerman", "Äpfel\nBaum\nbaum\nGmbH\nStraße\n");
  folder.Write("doc/wngerman/copyright", "Free to use.\n");
  std::string message;
  ASSERT_TRUE(MakeDictionary(Language("German"), folder.File("dict"), folder.File("doc"),
                             folder.File("out"), message));
  EXPECT_EQ(message, "German: 3 words, alphabet ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÜ");
  EXPECT_EQ(folder.Read("out/German.txt"), "BAUM\r\nSTRASSE\r\n\xC4PFEL\r\n");
  EXPECT_EQ(folder.Read("out/German-copyright.txt"), "Free to use.\n");

  TStoredTextList dictionary;
  dictionary.ReadFromText(folder.Read("out/German.gmd"));
  std::string value;
  dictionary.ReadString("Main", "Alphabet", false, value, 255);
  EXPECT_EQ(value, Language("German").Alphabet);
  dictionary.ReadString("Main", "WordsListName", false, value, 255);
  EXPECT_EQ(value, "German");
  // The fallback weights: S is the most frequent letter (3 times), Ä once.
  int32_t weight = -1;
  dictionary.ReadInteger("Alphabet", "Prob18", weight, 1000, 0);
  EXPECT_EQ(weight, 1000);
  dictionary.ReadInteger("Alphabet", "Prob26", weight, 1000, 0);
  EXPECT_EQ(weight, 333);
  int32_t bonus = -1;
  dictionary.ReadInteger("LengthScores", "7", bonus, 1000, 0);
  EXPECT_EQ(bonus, 50);

  EXPECT_FALSE(MakeDictionary(Language("Dutch"), folder.File("dict"), folder.File("doc"),
                              folder.File("out"), message));
  EXPECT_NE(message.find("wdutch"), std::string::npos);
}

}  // namespace
