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

  const auto item = [this](const char* name, const QString& caption,
                           void (TGlyphmasonForm::*handler)()) {
    QAction* action = WorkMenu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    return action;
  };
  // The key is shown beside the item only; the window's key handler runs it.
  const auto keyed = [](const QString& caption, const char* key) {
    return QString("%1\t%2").arg(caption, key);
  };
  //: Work menu item; its key is shown beside it and stays as it is
  EndGameMenu =
      item("EndGameMenu", keyed(tr("End game"), "Ctrl+End"), &TGlyphmasonForm::EndGameMenuClick);
  //: Work menu item; its key is shown beside it and stays as it is
  UndoMenu = item("UndoMenu", keyed(tr("Undo"), "Alt+Backspace"), &TGlyphmasonForm::UndoMenuClick);
  //: Work menu item; its key is shown beside it and stays as it is
  RedoMenu =
      item("RedoMenu", keyed(tr("Redo"), "Shift+Alt+Backspace"), &TGlyphmasonForm::RedoMenuClick);
  //: Work menu item
  GameSummaryMenu =
      item("GameSummaryMenu", tr("Game summary"), &TGlyphmasonForm::GameSummaryMenuClick);
  //: Work menu item
  RecordsMenu = item("RecordsMenu", tr("Records"), &TGlyphmasonForm::RecordsMenuClick);
  EndGameMenu->setEnabled(false);
  GameSummaryMenu->setEnabled(false);
  SetUndoRedoEnabled(false, false);
}

void TGlyphmasonForm::ShowStartPrompt(bool lastGameExists) {
  //: Centred on the empty board; "Ctrl+N" and "Ctrl+Z" are keys and stay as they are
  const QString prompt = tr("Ctrl+N: new game      Ctrl+Z: continue the last game");
  //: Centred on the empty board before the first game; "Ctrl+N" is a key
  const QString firstPrompt = tr("Ctrl+N: new game");
  StartPromptLabel->setText(lastGameExists ? prompt : firstPrompt);
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
  //: Beside the Allow unknown words box: two lines of 130 px at most
  const QString noWord = tr("No word can be made: change letters.");
  //: Beside the Allow unknown words box: two lines of 130 px at most
  const QString over = tr("The game is over.");
  PlayStateLabel->setText(state == TPlayState::StockMakesNoWord ? noWord
                          : state == TPlayState::Ended          ? over
                                                                : QString());
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
