// The main window's part in a game's beginning and end: the prompt on the
// empty board, the text when the letters on hand make no word, "End game",
// the records and the "Game over" summary.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/MyTime/MyTime.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/ui/QtText.h"
#include "Libraries/Utilities/ui/Utilities.h"
#include "game/GameEnd.h"
#include "persistence/RecordEntry.h"
#include "persistence/Records.h"
#include "window/BoardView.h"
#include "window/GameOverForm.h"
#include "window/GlyphmasonForm.h"
#include "window/RecordsForm.h"

namespace {

constexpr const char* kStartPrompt = "Ctrl+N: new game      Ctrl+Z: continue the last game";
constexpr const char* kFirstStartPrompt = "Ctrl+N: new game";

std::string CurrentDateTime() {
  const TDateTime now = Now();
  return DateText(now) + " " + TimeText(now);
}

}  // namespace

void TGlyphmasonForm::CreateGameEndControls() {
  // The prompt fills the board's frame and is centred in it; the paint area
  // covers it once a game is shown.
  StartPromptLabel = MakeLabel(BoardGroupBox, "StartPromptLabel", "", {});
  ShowStartPrompt();
  StartPromptLabel->setAlignment(Qt::AlignCenter);
  auto* layout = new QVBoxLayout(BoardGroupBox);
  layout->addWidget(StartPromptLabel);

  // Right of "Allow unknown words", above the word label.
  PlayStateLabel = MakeLabel(WordGroupBox, "PlayStateLabel", "", {175, 96, 130, 28});
  PlayStateLabel->setWordWrap(true);

  const auto item = [this](const char* name, const char* caption,
                           void (TGlyphmasonForm::*handler)()) {
    QAction* action = WorkMenu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
  };
  EndGameMenu = item("EndGameMenu", "End game\tCtrl+End", &TGlyphmasonForm::EndGameMenuClick);
  GameSummaryMenu = item("GameSummaryMenu", "Game summary", &TGlyphmasonForm::GameSummaryMenuClick);
  RecordsMenu = item("RecordsMenu", "Records", &TGlyphmasonForm::RecordsMenuClick);
  EndGameMenu->setEnabled(false);
  GameSummaryMenu->setEnabled(false);
  RecordDateTime = CurrentDateTime;
}

void TGlyphmasonForm::ShowStartPrompt() {
  // Ctrl+Z is offered only when there is a last game to continue.
  StartPromptLabel->setText(FileExists(LastGameFileName) ? kStartPrompt : kFirstStartPrompt);
}

std::string TGlyphmasonForm::RecordsFilePath() const {
  return GetProgramDirFile(kRecordsFileName);
}

void TGlyphmasonForm::ShowPlayState(TPlayState state) {
  if (PlayStateLabel == nullptr) {
    return;  // the window's controls are still being made
  }
  const bool shown = !BoardPaintBox->isHidden();
  PlayStateLabel->setText(state == TPlayState::StockMakesNoWord
                              ? "No word can be made: change letters."
                          : state == TPlayState::Ended ? "The game is over."
                                                       : "");
  EndGameMenu->setEnabled(shown && state != TPlayState::Ended);
  GameSummaryMenu->setEnabled(state == TPlayState::Ended);
  SuggestWordMenu->setEnabled(state != TPlayState::Ended);
  if (state != TPlayState::Ended) {
    // A summary left open belongs to a game that is no longer shown.
    LastOutcome = {};
    if (GameOverForm) {
      GameOverForm->hide();
    }
  }
}

TSummaryFacts TGlyphmasonForm::CurrentSummaryFacts() const {
  TSummaryFacts facts;
  facts.FinalScore = Game.Score;
  facts.LetterChangesUsed = std::max(
      TGame::LetterChangesFor(Game.ColumnsCount, Game.RowsCount) - Game.LetterChangesCount, 0);
  facts.Figures = Game.Figures;
  facts.Outcome = LastOutcome;
  return facts;
}

void TGlyphmasonForm::GameEnded() {
  LastOutcome = EnterGameInRecords(
      RecordsFilePath(),
      RecordTableName(Dictionary.DictionaryName, Game.ColumnsCount, Game.RowsCount), Game.Figures,
      RecordDateTime());
  GameSummaryMenuClick();
}

void TGlyphmasonForm::EndGameMenuClick() {
  if (BoardPaintBox->isHidden() || Game.IsEnded() || Drag.IsDragging()) {
    return;
  }
  if (ShowQueryDialog("End this game?")) {
    EndGame(Game);
  }
}

void TGlyphmasonForm::GameSummaryMenuClick() {
  if (!Game.IsEnded()) {
    return;
  }
  if (!GameOverForm) {
    GameOverForm = std::make_unique<TGameOverForm>(this);
  }
  GameOverForm->Show(CurrentSummaryFacts());
}

void TGlyphmasonForm::RecordsMenuClick() {
  // The game's own size while one is shown, else the size of the next game.
  int32_t columns = Game.ColumnsCount, rows = Game.RowsCount;
  if (BoardPaintBox->isHidden()) {
    columns =
        GetIntFromComboBox(ColumnsCountComboBox, kMinBoardSize, kMaxBoardSize, kDefaultBoardSize);
    rows = GetIntFromComboBox(RowsCountComboBox, kMinBoardSize, kMaxBoardSize, kDefaultBoardSize);
  }
  if (!RecordsForm) {
    RecordsForm = std::make_unique<TRecordsForm>(this);
  }
  RecordsForm->Show(LoadRecordsFile(RecordsFilePath()),
                    RecordTableName(Dictionary.DictionaryName, columns, rows));
}
