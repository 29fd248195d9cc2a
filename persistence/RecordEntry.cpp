#include "persistence/RecordEntry.h"

#include "Libraries/File/FileOperations.h"
#include "Libraries/File/PathText.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Text/Translation.h"
#include "persistence/Records.h"

namespace {

// Names tried for a records file that cannot be read.
constexpr int32_t kMaxKeptNames = 100;

// Renames the file to the first free "<name>-unreadable-<n><extension>"
// beside it, never replacing a file; the new name, or empty when it failed.
std::string KeepBeside(const std::string& path) {
  const std::string stem = PathWithoutExtension(path);
  const std::string extension = path.substr(stem.size());
  for (int32_t n = 1; n <= kMaxKeptNames; ++n) {
    const std::string kept = stem + "-unreadable-" + std::to_string(n) + extension;
    if (FileExists(kept)) {
      continue;
    }
    return Os::RenameFileNoReplace(path, kept) ? NameOfPath(kept) : std::string();
  }
  return {};
}

}  // namespace

TRecordOutcome EnterGameInRecords(const std::string& path, const std::string& table,
                                  const TGameFigures& figures, const std::string& dateTime) {
  TRecordOutcome outcome;
  outcome.Table = table;
  if (!MayEnterRecords(figures)) {
    const bool suggested = figures.SuggestionsUsed > 0;
    const bool unknown = figures.UnknownWordCommitted;
    if (figures.WordsCommitted() > 0 && figures.UndosUsed > 0) {
      outcome.Kind = TRecordOutcome::Undone;
      // English here; the summary says them in the player's language.
      if (suggested && unknown) {
        //: Ends "Records: not entered, a move was undone, and %1"
        outcome.KeptOutAlso =
            TranslatableText("GameSummary", "Suggest word was used and an unknown word committed");
      } else if (suggested) {
        //: Ends "Records: not entered, a move was undone, and %1"
        outcome.KeptOutAlso = TranslatableText("GameSummary", "Suggest word was used");
      } else if (unknown) {
        //: Ends "Records: not entered, a move was undone, and %1"
        outcome.KeptOutAlso =
            TranslatableText("GameSummary", "a word unknown to the words list was committed");
      }
      return outcome;
    }
    outcome.Kind = figures.WordsCommitted() == 0 ? TRecordOutcome::NoWord
                   : !unknown                    ? TRecordOutcome::SuggestionUsed
                   : suggested                   ? TRecordOutcome::UnknownWordAndSuggestion
                                                 : TRecordOutcome::UnknownWord;
    return outcome;
  }
  TRecordsFile file = ReadRecordsFile(path);
  if (file.Unreadable) {
    outcome.KeptUnreadableAs = KeepBeside(path);
    if (outcome.KeptUnreadableAs.empty()) {
      outcome.Kind = TRecordOutcome::FileUnreadable;
      return outcome;
    }
  }
  outcome.Rank = file.Records.Enter(table, RecordOfGame(figures, dateTime));
  outcome.Kind = outcome.Rank == 0                     ? TRecordOutcome::NotEntered
                 : SaveRecordsFile(path, file.Records) ? TRecordOutcome::Entered
                                                       : TRecordOutcome::NotSaved;
  return outcome;
}
