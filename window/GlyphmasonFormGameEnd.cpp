// The main window's part in a game's beginning and end: the prompt on the
// empty board, the text when the letters on hand make no word, the items of
// a game's end and of undo in the Work menu, the records and the "Game over"
// summary.

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QVBoxLayout>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "window/BoardView.h"
#include "window/GameOverForm.h"
#include "window/GlyphmasonForm.h"
#include "window/RecordsForm.h"

namespace {
constexpr const char* kStartPrompt = "Ctrl+N: new game      Ctrl+Z: continue the last game";
constexpr const char* kFirstStartPrompt = "Ctrl+N: new game";
}  // namespace

void TGlyphmasonForm::CreateGameEndControls() {
  // The prompt fills the board's frame and is centred in it; the paint area
  // covers it once a game is shown.
  StartPromptLabel = MakeLabel(BoardGroupBox, "StartPromptLabel", "", {});
  ShowStartPrompt(false);
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
  UndoMenu = item("UndoMenu", "Undo\tAlt+Backspace", &TGlyphmasonForm::UndoMenuClick);
  RedoMenu = item("RedoMenu", "Redo\tShift+Alt+Backspace", &TGlyphmasonForm::RedoMenuClick);
  GameSummaryMenu = item("GameSummaryMenu", "Game summary", &TGlyphmasonForm::GameSummaryMenuClick);
  RecordsMenu = item("RecordsMenu", "Records", &TGlyphmasonForm::RecordsMenuClick);
  EndGameMenu->setEnabled(false);
  GameSummaryMenu->setEnabled(false);
  SetUndoRedoEnabled(false, false);
}

void TGlyphmasonForm::ShowStartPrompt(bool lastGameExists) {
  StartPromptLabel->setText(lastGameExists ? kStartPrompt : kFirstStartPrompt);
}

void TGlyphmasonForm::SetUndoRedoEnabled(bool undo, bool redo) {
  UndoMenu->setEnabled(undo);
  RedoMenu->setEnabled(redo);
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
    if (GameOverForm) {
      GameOverForm->hide();
    }
  }
}

void TGlyphmasonForm::ShowSummary(const TSummaryFacts& facts) {
  if (!GameOverForm) {
    GameOverForm = std::make_unique<TGameOverForm>(this);
  }
  GameOverForm->Show(facts);
}

void TGlyphmasonForm::ShowRecords(const TRecords& records, const std::string& table) {
  if (!RecordsForm) {
    RecordsForm = std::make_unique<TRecordsForm>(this);
  }
  RecordsForm->Show(records, table);
}
