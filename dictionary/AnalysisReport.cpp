#include "dictionary/AnalysisReport.h"

#include "dictionary/Dictionary.h"
#include "lexicon/WordsList.h"

namespace {

// Lengths 2..10 get a line each; length 1 goes with the other lengths.
constexpr int kFirstReportedLength = 2;

std::string LengthLines(const TLetterCounts& counts) {
  std::string text =
      "\r\n\r\nNumber of words, by word length (regardless of containing characters): ";
  for (int length = kFirstReportedLength; length < kCountedWordLengths; ++length) {
    text += "\r\n* " + std::to_string(length) +
            " letters = " + std::to_string(counts.Lengths[length]) + " words";
  }
  return text + "\r\n* Other lengths = " + std::to_string(counts.Lengths[0] + counts.Lengths[1]);
}

std::string LetterLines(const TLetterCounts& counts, const TLetterData& letters) {
  std::string text = "\r\n\r\nAlphabet and letter probabilities (between 1 and " +
                     std::to_string(kMaxLetterProbability) + " for each): ";
  for (int slot = 0; slot < kMaxAlphabetSlots; ++slot) {
    if (counts.Counts[slot] > 0) {
      const std::string number = std::to_string(slot);
      text += "\r\nChar" + number + "=" + letters.Alphabet[slot];
      text += "\r\nProb" + number + "=" + std::to_string(counts.Weights[slot]);
    }
  }
  return text;
}

}  // namespace

std::string WordsListAnalysisReport(const TWordsList& words, const TLetterData& letters) {
  if (words.Count() == 0) {
    return {};
  }
  TLetterCounts counts;
  const int64_t within = CountLetters(words, letters, counts);
  if (within == 0) {
    return {};
  }
  return "ANALYSIS REPORT\r\n\r\nLetters (within the alphabet) = " + std::to_string(within) +
         "\r\n\r\nCharacters outside the alphabet = " + std::to_string(counts.Outside) +
         LengthLines(counts) + LetterLines(counts, letters) + "\r\n";
}
