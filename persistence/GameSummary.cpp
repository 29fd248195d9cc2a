#include "persistence/GameSummary.h"

#include "Libraries/Text/Translation.h"

namespace {

std::string Number(int64_t value) {
  return std::to_string(value);
}

std::string UndoneText(const TRecordOutcome& outcome) {
  if (outcome.KeptOutAlso.empty()) {
    //: Summary line: no record was entered because a move was taken back
    return Translated("GameSummary", "Records: not entered, a move was undone");
  }
  // KeptOutAlso is one of the reasons RecordEntry marks in this context.
  //: Summary line: %1 is a further reason, e.g. "Suggest word was used"
  return FilledIn(Translated("GameSummary", "Records: not entered, a move was undone, and %1"),
                  {Translated("GameSummary", outcome.KeptOutAlso.c_str())});
}

std::string OutcomeText(const TRecordOutcome& outcome) {
  switch (outcome.Kind) {
    case TRecordOutcome::Entered:
      //: Summary line: %1 is the rank (1 to 10), %2 the table, e.g. "English.gmd 15 x 15"
      return FilledIn(Translated("GameSummary", "Records: place %1 of the ten best for %2"),
                      {Number(outcome.Rank), outcome.Table});
    case TRecordOutcome::NotEntered:
      //: Summary line: %1 is the table, e.g. "English.gmd 15 x 15"
      return FilledIn(Translated("GameSummary", "Records: not among the ten best for %1"),
                      {outcome.Table});
    case TRecordOutcome::UnknownWord:
      //: Summary line
      return Translated("GameSummary",
                        "Records: not entered, a word unknown to the words list was committed");
    case TRecordOutcome::NoWord:
      //: Summary line
      return Translated("GameSummary", "Records: not entered, no word was committed");
    case TRecordOutcome::NotSaved:
      //: Summary line: %1 is the rank (1 to 10) the game would have had
      return FilledIn(
          Translated("GameSummary", "Records: place %1, but the records file could not be written"),
          {Number(outcome.Rank)});
    case TRecordOutcome::SuggestionUsed:
      //: Summary line; "Suggest word" is a menu item
      return Translated("GameSummary", "Records: not entered, Suggest word was used");
    case TRecordOutcome::UnknownWordAndSuggestion:
      //: Summary line; "Suggest word" is a menu item
      return Translated(
          "GameSummary",
          "Records: not entered, Suggest word was used and an unknown word committed");
    case TRecordOutcome::Undone:
      return UndoneText(outcome);
    case TRecordOutcome::FileUnreadable:
      //: Summary line
      return Translated("GameSummary", "Records: not entered, the records file could not be read");
    case TRecordOutcome::Unknown:
      break;
  }
  return {};
}

std::string BestWordText(const TTurnFigures* best) {
  if (best == nullptr) {
    //: Summary line when no word was committed
    return Translated("GameSummary", "Best word: none");
  }
  // English says "points" for any score.
  //: Summary line: %1 is the word, %n its score
  return FilledIn(Translated("GameSummary", "Best word: \"%1\", %n points", nullptr, best->Score),
                  {best->Word});
}

}  // namespace

std::vector<std::string> GameSummaryLines(const TSummaryFacts& facts) {
  const TGameFigures& figures = facts.Figures;
  std::vector<std::string> lines = {
      //: Summary line
      FilledIn(Translated("GameSummary", "Final score: %1"), {Number(facts.FinalScore)}),
      //: Summary line
      FilledIn(Translated("GameSummary", "Words committed: %1"),
               {Number(figures.WordsCommitted())}),
      //: Summary line
      FilledIn(Translated("GameSummary", "Letters placed: %1"), {Number(figures.LettersPlaced())}),
      BestWordText(figures.BestTurn()),
      //: Summary line: %1 is a number with one decimal, e.g. "12.5"
      FilledIn(Translated("GameSummary", "Average score per word: %1"),
               {TenthsText(figures.AverageScoreTenths())}),
      //: Summary line
      FilledIn(Translated("GameSummary", "Letter changes used: %1"),
               {Number(facts.LetterChangesUsed)}),
      //: Summary line; "Suggest word" is a menu item
      Translated("GameSummary", "Suggest word used: %n time(s)", nullptr, figures.SuggestionsUsed),
      //: Summary line: %1 is the par score, %2 the score as a percentage of it
      FilledIn(Translated("GameSummary", "Par: %1, accuracy %2 %"),
               {Number(figures.Par()), Number(figures.AccuracyPercent())}),
  };
  if (const std::string outcome = OutcomeText(facts.Outcome); !outcome.empty()) {
    lines.push_back(outcome);
  }
  if (!facts.Outcome.KeptUnreadableAs.empty()) {
    //: Summary line; the next line names the file the old records were kept in
    lines.push_back(Translated("GameSummary", "The old records file could not be read."));
    //: Summary line: %1 is a file name
    lines.push_back(FilledIn(Translated("GameSummary", "It was kept as %1."),
                             {facts.Outcome.KeptUnreadableAs}));
  }
  return lines;
}

std::vector<std::string> TurnChartLines(const std::vector<TTurnFigures>& turns) {
  if (turns.empty()) {
    //: Read by a screen reader for the turn chart of a game without words
    return {Translated("GameSummary", "No word was committed.")};
  }
  std::vector<std::string> lines;
  lines.reserve(turns.size());
  for (size_t i = 0; i < turns.size(); ++i) {
    const TTurnFigures& turn = turns[i];
    //: Read by a screen reader for one bar pair of the turn chart: %1 is the turn's number,
    //: %2 the word, %n its score, %3 the best score possible at that turn
    const std::string line = Translated("GameSummary", "Word %1, %2: %n point(s), best possible %3",
                                        nullptr, turn.Score);
    lines.push_back(
        FilledIn(line, {Number(static_cast<int64_t>(i) + 1), turn.Word, Number(turn.Par)}));
  }
  return lines;
}
