#include "persistence/GameSummary.h"

namespace {

std::string Quoted(const std::string& text) {
  return "\"" + text + "\"";
}

std::string PointsText(int32_t count) {
  return std::to_string(count) + (count == 1 ? " point" : " points");
}

std::string TimesText(int32_t count) {
  return std::to_string(count) + (count == 1 ? " time" : " times");
}

std::string OutcomeText(const TRecordOutcome& outcome) {
  switch (outcome.Kind) {
    case TRecordOutcome::Entered:
      return "Records: place " + std::to_string(outcome.Rank) + " of the ten best for " +
             outcome.Table;
    case TRecordOutcome::NotEntered:
      return "Records: not among the ten best for " + outcome.Table;
    case TRecordOutcome::UnknownWord:
      return "Records: not entered, a word unknown to the words list was committed";
    case TRecordOutcome::NoWord:
      return "Records: not entered, no word was committed";
    case TRecordOutcome::NotSaved:
      return "Records: place " + std::to_string(outcome.Rank) +
             ", but the records file could not be written";
    case TRecordOutcome::SuggestionUsed:
      return "Records: not entered, Suggest word was used";
    case TRecordOutcome::UnknownWordAndSuggestion:
      return "Records: not entered, Suggest word was used and an unknown word committed";
    case TRecordOutcome::Undone:
      return "Records: not entered, a move was undone" +
             (outcome.KeptOutAlso.empty() ? std::string() : ", and " + outcome.KeptOutAlso);
    case TRecordOutcome::FileUnreadable:
      return "Records: not entered, the records file could not be read";
    case TRecordOutcome::Unknown:
      break;
  }
  return {};
}

}  // namespace

std::vector<std::string> GameSummaryLines(const TSummaryFacts& facts) {
  const TGameFigures& figures = facts.Figures;
  const TTurnFigures* best = figures.BestTurn();
  std::vector<std::string> lines = {
      "Final score: " + std::to_string(facts.FinalScore),
      "Words committed: " + std::to_string(figures.WordsCommitted()),
      "Letters placed: " + std::to_string(figures.LettersPlaced()),
      "Best word: " + (best == nullptr
                           ? std::string("none")
                           : Quoted(best->Word) + ", " + std::to_string(best->Score) + " points"),
      "Average score per word: " + TenthsText(figures.AverageScoreTenths()),
      "Letter changes used: " + std::to_string(facts.LetterChangesUsed),
      "Suggest word used: " + TimesText(figures.SuggestionsUsed),
      "Par: " + std::to_string(figures.Par()) + ", accuracy " +
          std::to_string(figures.AccuracyPercent()) + " %",
  };
  if (const std::string outcome = OutcomeText(facts.Outcome); !outcome.empty()) {
    lines.push_back(outcome);
  }
  if (!facts.Outcome.KeptUnreadableAs.empty()) {
    lines.push_back("The old records file could not be read.");
    lines.push_back("It was kept as " + facts.Outcome.KeptUnreadableAs + ".");
  }
  return lines;
}

std::vector<std::string> TurnChartLines(const std::vector<TTurnFigures>& turns) {
  if (turns.empty()) {
    return {"No word was committed."};
  }
  std::vector<std::string> lines;
  lines.reserve(turns.size());
  for (size_t i = 0; i < turns.size(); ++i) {
    const TTurnFigures& turn = turns[i];
    lines.push_back("Word " + std::to_string(i + 1) + ", " + turn.Word + ": " +
                    PointsText(turn.Score) + ", best possible " + std::to_string(turn.Par));
  }
  return lines;
}
