// The Work menu's commands: each runs the session's command. The window
// only keeps back what a drag in progress must not meet.

#include "window/GlyphmasonForm.h"

void TGlyphmasonForm::NewGameMenuClick() { Session.NewGame(); }

void TGlyphmasonForm::LoadDictionaryMenuClick() { Session.LoadDictionary(); }

void TGlyphmasonForm::LoadLastGameMenuClick() { Session.LoadLastGame(); }

void TGlyphmasonForm::LoadGameMenuClick() { Session.LoadGame(); }

void TGlyphmasonForm::SaveGameMenuClick() { Session.SaveGame(); }

void TGlyphmasonForm::AnalyzeWordsListMenuClick() { Session.AnalyzeWordsList(); }

void TGlyphmasonForm::SuggestWordMenuClick() {
  if (!Drag.IsDragging()) {
    Session.SuggestWord();
  }
}

void TGlyphmasonForm::EndGameMenuClick() {
  if (!Drag.IsDragging()) {
    Session.EndGame();
  }
}

void TGlyphmasonForm::GameSummaryMenuClick() { Session.GameSummary(); }

void TGlyphmasonForm::RecordsMenuClick() { Session.Records(); }

void TGlyphmasonForm::UndoMenuClick() {
  if (!Drag.IsDragging()) {
    Session.Undo();
  }
}

void TGlyphmasonForm::RedoMenuClick() {
  if (!Drag.IsDragging()) {
    Session.Redo();
  }
}
