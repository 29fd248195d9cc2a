#pragma once
// The letter data of the current dictionary: the alphabet, each letter's
// weight in the drawing, each letter's score and the bonus by the number of
// letters placed in one turn. All zero until a dictionary is loaded.

#include <array>
#include <cstdint>

inline constexpr int kMaxAlphabetSlots = 40;
inline constexpr int kLengthScoreSlots = 7;  // bonus for placing 1..7 letters
inline constexpr int32_t kMaxLetterProbability = 1000;
// The font letters are shown in until a dictionary names its own.
inline constexpr const char* kDefaultFontName = "Tahoma";

struct TLetterData {
  // The letters; 0 is an empty slot. A slot's index is its identity for
  // weights and scores.
  std::array<char, kMaxAlphabetSlots> Alphabet{};
  // Weight of each slot in the drawing, 0..1000; 0 is never drawn.
  std::array<int32_t, kMaxAlphabetSlots> LetterProbabilities{};
  std::array<int32_t, kMaxAlphabetSlots> LetterScores{};
  // LengthScores[n - 1] is the bonus for committing n loose letters.
  std::array<int32_t, kLengthScoreSlots> LengthScores{};

  // The first slot that holds the letter; -1 when none does (and for 0).
  int32_t LetterIndex(char letter) const {
    if (letter == 0) {
      return -1;
    }
    for (int32_t i = 0; i < kMaxAlphabetSlots; ++i) {
      if (Alphabet[i] == letter) {
        return i;
      }
    }
    return -1;
  }
  void Clear() { *this = TLetterData{}; }
};
