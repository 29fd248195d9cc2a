// What the main window reads from and writes to the game and options files:
// the settings come from and go back to its controls.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"
#include "Libraries/Utilities/ui/Utilities.h"
#include "game/ui/ChooseLetterForm.h"
#include "persistence/GameFile.h"
#include "window/BoardView.h"
#include "window/GlyphmasonForm.h"

TGameSettings TGlyphmasonForm::CurrentSettings() const {
  TGameSettings settings;
  settings.ColumnsCount = Game.ColumnsCount;
  settings.RowsCount = Game.RowsCount;
  settings.DictionaryName = Dictionary.DictionaryName;
  settings.AddToWordsList = AddToWordsListCheckBox->isChecked();
  settings.AllowUnknownWords = AllowUnknownWordsCheckBox->isChecked();
  return settings;
}

void TGlyphmasonForm::ApplySettings(const TGameSettings& settings) {
  Game.ColumnsCount = settings.ColumnsCount;
  Game.RowsCount = settings.RowsCount;
  ColumnsCountComboBox->setCurrentText(QString::number(settings.ColumnsCount));
  RowsCountComboBox->setCurrentText(QString::number(settings.RowsCount));
  BoardPaintBox->SetBoard(&Game.Board, Game.ColumnsCount, Game.RowsCount);
  Dictionary.DictionaryName = settings.DictionaryName;
  LoadDictionaryOpenDialog.FileName = DictionariesDirectory() + Dictionary.DictionaryName;
  Dictionary.ShowDictionaryNames();
  AddToWordsListCheckBox->setChecked(settings.AddToWordsList);
  AllowUnknownWordsCheckBox->setChecked(settings.AllowUnknownWords);
}

namespace {
// The settings as the controls show them before a file is read: its values
// replace these only where they are acceptable.
TGameSettings ShownSettings(const TGameSettings& current, QComboBox* columns, QComboBox* rows) {
  TGameSettings shown = current;
  shown.ColumnsCount = GetIntFromComboBoxUnbounded(columns);
  shown.RowsCount = GetIntFromComboBoxUnbounded(rows);
  return shown;
}
}  // namespace

void TGlyphmasonForm::ReadGame(TStoredTextList& list) {
  TGameSettings settings =
      ShownSettings(CurrentSettings(), ColumnsCountComboBox, RowsCountComboBox);
  ReadGameSettings(list, settings);
  ApplySettings(settings);
  ::ReadGame(list, Game);
}

void TGlyphmasonForm::WriteGame(TStoredTextList& list) { ::WriteGame(list, CurrentSettings(), Game); }

void TGlyphmasonForm::ReadOptions(TStoredTextList& list) {
  TOptions options;
  options.Settings = ShownSettings(CurrentSettings(), ColumnsCountComboBox, RowsCountComboBox);
  options.LastGameFileName = LastGameFileName;
  ::ReadOptions(list, options);
  ApplySettings(options.Settings);
  LastGameFileName = options.LastGameFileName;
  OpenDialog.FileName = LastGameFileName;
  SaveDialog.FileName = LastGameFileName;
  FullScreenCheckBox->setChecked(options.FullScreen);
  ShowStartPrompt();
}

void TGlyphmasonForm::WriteOptions(TStoredTextList& list) {
  ReadBoardSize();
  TOptions options;
  options.Settings = CurrentSettings();
  options.LastGameFileName = LastGameFileName;
  options.FullScreen = FullScreenCheckBox->isChecked();
  ::WriteOptions(list, options);
}

void TGlyphmasonForm::SetDictionaryNames(const std::string& dictionary,
                                         const std::string& wordsList) {
  // File names, shown in the system's encoding.
  DictionaryEdit->setText(PathToQString(dictionary));
  WordsListEdit->setText(PathToQString(wordsList));
}

void TGlyphmasonForm::SetLetterFont(const std::string& fontName) {
  for (QLabel* panel : StockLetterPanels) {
    panel->setFont(LetterFont(ToQString(fontName), panel->font()));
  }
  BoardPaintBox->SetLetterFontName(ToQString(fontName));
}

void TGlyphmasonForm::SetChoiceLetters(const std::string& fontName,
                                       const std::array<char, kMaxAlphabetSlots>& alphabet) {
  if (ChooseLetterForm != nullptr) {
    ChooseLetterForm->SetLetters(ToQString(fontName), alphabet);
  }
}
