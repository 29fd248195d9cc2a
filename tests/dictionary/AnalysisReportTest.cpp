#include "dictionary/AnalysisReport.h"

#include <gtest/gtest.h>

#include <string>

#include "lexicon/WordsList.h"
#include "support/Golden.h"

namespace {

// Each words list's report, one after the other, against a golden file.
TEST(AnalysisReport, ReportsMatchTheGoldenOnes) {
  const struct {
    const char* Scene;
    std::string Lines, Alphabet;
  } cases[] = {
      {"one-letter, empty and long entries are other lengths",
       "A\r\n\r\nABCABCABCABC\r\nABCABCABCA\r\n", "ABC"},
      // 0xE4 is a small a umlaut and stays small; the alphabet holds only the capital 0xC4.
      {"letters are counted as capitals only from a to z", "cab\r\nC\xE4\xC4-\r\n", "ABC\xC4"},
      // B once against 5000 A: 0.2 rounds to 0 and is raised to 1; C never
      // occurs, so its slot is left out.
      {"weights scale to the most frequent letter",
       std::string(4995, 'A') + "\r\nAAAAAB\r\nDDDDDDDDDDDDDDDDDDDDDDDDD\r\n", "ABCD"},
      {"one letter of the alphabet is enough", "123\r\nb\r\n", "ABC"},
      {"nothing to analyze: no lines", "", "ABC"},
      {"nothing to analyze: no letter of the alphabet", "123\r\nxyz\r\n\r\n", "ABC"},
      {"nothing to analyze: no alphabet", "CAB\r\n", ""},
  };
  std::string reports;
  for (const auto& c : cases) {
    TWordsList words;
    words.ReadWordsListText(c.Lines);
    TLetterData letters;
    c.Alphabet.copy(letters.Alphabet.data(), c.Alphabet.size());
    reports += "=== " + std::string(c.Scene) + "\r\n" + WordsListAnalysisReport(words, letters);
  }
  EXPECT_TRUE(MatchesGolden("AnalysisReport/reports.txt", reports));
}

}  // namespace
