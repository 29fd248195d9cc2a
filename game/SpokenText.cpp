#include "game/SpokenText.h"

#include <algorithm>

#include "Libraries/Text/Translation.h"

namespace {

constexpr int32_t kLettersInAlphabet = 26;

std::string LetterText(char letter) {
  return std::string(1, letter);
}

// "1 K, 2 A, 3 empty, ..." for the seven slots.
std::string SlotsText(const TGame& game) {
  std::string text;
  for (int32_t slot = 0; slot < kStockSlots; ++slot) {
    const char letter = game.StockLetter(slot);
    if (slot > 0) {
      //: Spoken between two stock slots in "1 K, 2 A, 3 empty"
      text += Translated("SpokenText", ", ");
    }
    std::string content = LetterText(letter);
    if (letter == 0) {
      //: Spoken for a stock slot without a letter, as in "3 empty"
      content = Translated("SpokenText", "empty");
    }
    //: One stock slot as spoken: %1 is its number (1 to 7), %2 its letter or "empty"
    text += FilledIn(Translated("SpokenText", "%1 %2"), {std::to_string(slot + 1), content});
  }
  return text;
}

// "Score 40." for the game's score.
std::string ScoreSentence(const TGame& game) {
  //: Spoken: %1 is the game's score
  return FilledIn(Translated("SpokenText", "Score %1."), {std::to_string(game.Score)});
}

// "Suggested CAT from H8 right.": the word read from its first square.
std::string SuggestedFrom(const TWordMove& move, const std::string& square) {
  std::string pattern;
  if (move.Vertical && move.Flipped) {
    //: Spoken: %1 is the suggested word, %2 the square of its first letter; it reads upwards
    pattern = Translated("SpokenText", "Suggested %1 from %2 up.");
  } else if (move.Vertical) {
    //: Spoken: %1 is the suggested word, %2 the square of its first letter; it reads downwards
    pattern = Translated("SpokenText", "Suggested %1 from %2 down.");
  } else if (move.Flipped) {
    //: Spoken: %1 is the suggested word, %2 the square of its first letter; it reads leftwards
    pattern = Translated("SpokenText", "Suggested %1 from %2 left.");
  } else {
    //: Spoken: %1 is the suggested word, %2 the square of its first letter; it reads rightwards
    pattern = Translated("SpokenText", "Suggested %1 from %2 right.");
  }
  return FilledIn(pattern, {move.Word, square});
}

}  // namespace

std::string SquareNameText(int32_t column, int32_t row) {
  std::string letters;
  for (int32_t n = column + 1; n > 0; n = (n - 1) / kLettersInAlphabet) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % kLettersInAlphabet));
  }
  return letters + std::to_string(row + 1);
}

std::string SpokenLetters(const std::string& sentence, const TGame& game) {
  return FilledIn(sentence, {SlotsText(game)});
}

std::string SpokenLetterPut(char letter, TCellPosition square) {
  //: Spoken: %1 is a letter, %2 the square it was put on ("K on H8")
  return FilledIn(Translated("SpokenText", "%1 on %2"),
                  {LetterText(letter), SquareNameText(square.Column, square.Row)});
}

std::string SpokenYourLetters(const TGame& game) {
  //: Spoken: %1 lists the stock slots ("1 K, 2 A, 3 empty, ...")
  return SpokenLetters(Translated("SpokenText", "Your letters: %1."), game);
}

std::string SpokenNewLetters(const TGame& game) {
  //: Spoken: %1 lists the stock slots ("1 K, 2 A, 3 empty, ...")
  return SpokenLetters(Translated("SpokenText", "New letters: %1."), game);
}

std::string SpokenCommit(const std::string& word, int32_t points, const TGame& game) {
  //: Spoken: %1 is the word just put on the board
  const std::string committed =
      FilledIn(Translated("SpokenText", "%1 for %n point(s).", nullptr, points), {word});
  return committed + " " + ScoreSentence(game) + " " + SpokenNewLetters(game);
}

std::string SpokenSuggestion(const TWordMove& move, const TCommitKeys& keys) {
  // A flipped word reads from the last square of the board's reading back.
  const int32_t back = move.Flipped ? std::max(static_cast<int32_t>(move.Word.size()) - 1, 0) : 0;
  const TCellPosition first{move.First.Column + (move.Vertical ? 0 : back),
                            move.First.Row + (move.Vertical ? back : 0)};
  std::string commit;
  if (move.Flipped) {
    //: Spoken: %1 is a key ("Shift+Enter")
    commit = FilledIn(Translated("SpokenText", "%1 puts the flipped word."), {keys.Flipped});
  } else {
    //: Spoken: %1 is a key ("Enter")
    commit = FilledIn(Translated("SpokenText", "%1 puts it on the board."), {keys.Word});
  }
  return SuggestedFrom(move, SquareNameText(first.Column, first.Row)) + " " + commit;
}

std::string SpokenDirection(bool down) {
  if (down) {
    //: Spoken when the board cursor turns to move downwards
    return Translated("SpokenText", "Down");
  }
  //: Spoken when the board cursor turns to move rightwards
  return Translated("SpokenText", "Right");
}

std::string SpokenState(const TGame& game, const TBoardCursor& cursor) {
  const std::string square = SquareNameText(cursor.Square.Column, cursor.Square.Row);
  std::string where;
  if (cursor.Down) {
    //: Spoken: %1 is the board cursor's square; typed letters go downwards from it
    where = FilledIn(Translated("SpokenText", "Cursor on %1, moving down."), {square});
  } else {
    //: Spoken: %1 is the board cursor's square; typed letters go rightwards from it
    where = FilledIn(Translated("SpokenText", "Cursor on %1, moving right."), {square});
  }
  //: Spoken: %1 is how many letter changes are left
  const std::string changes = FilledIn(Translated("SpokenText", "Letter changes left: %1."),
                                       {std::to_string(std::max(game.LetterChangesCount, 0))});
  return SpokenYourLetters(game) + " " + ScoreSentence(game) + " " + changes + " " + where;
}
