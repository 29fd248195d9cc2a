#include "dictionary/AnalysisReport.h"

#include "Libraries/Text/Translation.h"
#include "dictionary/Dictionary.h"
#include "lexicon/WordsList.h"

namespace {

// Lengths 2..10 get a line each; length 1 goes with the other lengths.
constexpr int kFirstReportedLength = 2;

std::string LengthLines(const TLetterCounts& counts) {
  //: Heading in the words-list analysis report; the lines below list the words by length
  std::string text = "\r\n\r\n" + Translated("AnalysisReport",
                                             "Number of words, by word length (regardless of "
                                             "containing characters): ");
  for (int length = kFirstReportedLength; length < kCountedWordLengths; ++length) {
    // No list holds more entries than an int counts. English says "words"
    // for any count.
    const int count = static_cast<int>(counts.Lengths[length]);
    //: Line of the analysis report: %1 is a word length (2 to 10), %n how many words have it
    const std::string line =
        Translated("AnalysisReport", "* %1 letters = %n words", nullptr, count);
    text += "\r\n" + FilledIn(line, {std::to_string(length)});
  }
  //: Line of the analysis report: %1 is how many words have a length of 1 or above 10
  return text + "\r\n" +
         FilledIn(Translated("AnalysisReport", "* Other lengths = %1"),
                  {std::to_string(counts.Lengths[0] + counts.Lengths[1])});
}

std::string LetterLines(const TLetterCounts& counts, const TLetterData& letters) {
  //: Heading in the words-list analysis report: %1 is the highest weight a letter can get
  std::string text =
      "\r\n\r\n" +
      FilledIn(Translated("AnalysisReport",
                          "Alphabet and letter probabilities (between 1 and %1 for each): "),
               {std::to_string(kMaxLetterProbability)});
  // These lines keep the form of a dictionary file, where they are pasted.
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
  //: Title of the words-list analysis report, which the player pastes from the clipboard
  const std::string title = Translated("AnalysisReport", "ANALYSIS REPORT");
  //: Line of the analysis report: %1 is how many letters of the words are in the alphabet
  const std::string inside = FilledIn(
      Translated("AnalysisReport", "Letters (within the alphabet) = %1"), {std::to_string(within)});
  //: Line of the analysis report: %1 is how many characters of the words are not in the alphabet
  const std::string outside =
      FilledIn(Translated("AnalysisReport", "Characters outside the alphabet = %1"),
               {std::to_string(counts.Outside)});
  return title + "\r\n\r\n" + inside + "\r\n\r\n" + outside + LengthLines(counts) +
         LetterLines(counts, letters) + "\r\n";
}
