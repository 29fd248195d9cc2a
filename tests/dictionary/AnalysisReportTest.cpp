#include "dictionary/AnalysisReport.h"

#include <gtest/gtest.h>

#include <string>

#include "dictionary/WordsList.h"

namespace {

TLetterData Alphabet(const std::string& letters) {
  TLetterData data;
  for (size_t i = 0; i < letters.size(); ++i) {
    data.Alphabet[i] = letters[i];
  }
  return data;
}

std::string Report(const std::string& lines, const std::string& letters) {
  TWordsList words;
  words.ReadWordsListText(lines);
  return WordsListAnalysisReport(words, Alphabet(letters));
}

bool Has(const std::string& report, const std::string& part) {
  return report.find(part) != std::string::npos;
}

TEST(AnalysisReport, OneLetterEmptyAndLongEntriesAreOtherLengths) {
  const std::string report = Report("A\r\n\r\nABCABCABCABC\r\nABCABCABCA\r\n", "ABC");
  EXPECT_TRUE(Has(report, "\r\n* 10 letters = 1 words\r\n* Other lengths = 3\r\n"));
  EXPECT_TRUE(Has(report, "Letters (within the alphabet) = 23\r\n"));
}

TEST(AnalysisReport, LettersAreCountedAsCapitalsOnlyFromAToZ) {
  // 0xE4 is a small a umlaut and stays small; the alphabet holds only the
  // capital 0xC4.
  const std::string report = Report("cab\r\nC\xE4\xC4-\r\n", "ABC\xC4");
  EXPECT_TRUE(Has(report, "Letters (within the alphabet) = 5\r\n"));
  EXPECT_TRUE(Has(report, "Characters outside the alphabet = 2\r\n"));
  EXPECT_TRUE(Has(report, "\r\nChar2=C\r\nProb2=1000\r\nChar3=\xC4\r\nProb3=500\r\n"));
}

TEST(AnalysisReport, WeightsScaleToTheMostFrequentLetterAndSkipAbsentOnes) {
  // B once against 5000 A: 0.2 rounds to 0 and is raised to 1. C never occurs
  // and has no lines, so the slot numbers jump from 1 to 3.
  const std::string report =
      Report(std::string(4995, 'A') + "\r\nAAAAAB\r\nDDDDDDDDDDDDDDDDDDDDDDDDD\r\n", "ABCD");
  EXPECT_TRUE(Has(report,
                  "\r\nChar0=A\r\nProb0=1000\r\nChar1=B\r\nProb1=1\r\n"
                  "Char3=D\r\nProb3=5\r\n"));
  EXPECT_FALSE(Has(report, "Char2"));
  EXPECT_TRUE(report.ends_with("Prob3=5\r\n"));
}

TEST(AnalysisReport, NothingToAnalyzeWithoutAnyLetterOfTheAlphabet) {
  EXPECT_EQ(Report("", "ABC"), "");
  EXPECT_EQ(Report("123\r\nxyz\r\n", "ABC"), "");
  EXPECT_EQ(Report("\r\n\r\n", "ABC"), "");
  EXPECT_EQ(Report("CAB\r\n", ""), "");
  EXPECT_NE(Report("123\r\nb\r\n", "ABC"), "");
}

}  // namespace
