// The game commands of the Work menu: new game, load dictionary, load last
// game, load game, save game, and the save question that protects a
// modified game. Each command shows its own failure once.

#include <QComboBox>

#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/FileOperations.h"
#include "Libraries/File/PathText.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/Cp1252.h"
#include "Libraries/Utilities/ui/Utilities.h"
#include "game/GameEnd.h"
#include "game/SpokenText.h"
#include "window/GlyphmasonForm.h"

namespace {
constexpr const char* kGameExtension = ".GMG";
constexpr const char* kSavedGameExtension = ".gmg";

// The text from the last dot of the file name on.
std::string ExtensionOf(const std::string& path) {
  const std::string name = NameOfPath(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? std::string() : name.substr(dot);
}

bool HasGameExtension(const std::string& path) {
  return UpperCaseCp1252(ExtensionOf(path)) == kGameExtension;
}

// A saved game always ends in the game files' extension, so that the load
// dialog lists it and Ctrl+Z reads it again: a name without it ("game1",
// "Mr. Smith", "notes.txt") gets it, a name typed with a final dot
// ("game1.") in that dot's place.
std::string WithGameExtension(const std::string& path) {
  if (HasGameExtension(path)) {
    return path;
  }
  const bool endsInDot = !path.empty() && path.back() == '.' && !NameOfPath(path).empty();
  return (endsInDot ? path.substr(0, path.size() - 1) : path) + kSavedGameExtension;
}
}  // namespace

bool TGlyphmasonForm::CheckSave() {
  return PassingFunction("TGlyphmasonForm::CheckSave", [&](TFunScope&) {
    if (!Game.GameModified) {
      return true;
    }
    switch (ShowQueryCancelDialog("The game has been modified. Save it?")) {
      case drOk:
        SaveGameMenuClick();
        return true;
      case drNo:
        return true;
      default:
        return false;
    }
  });
}

void TGlyphmasonForm::ReadBoardSize() {
  Game.ColumnsCount =
      GetIntFromComboBox(ColumnsCountComboBox, kMinBoardSize, kMaxBoardSize, kDefaultBoardSize);
  Game.RowsCount =
      GetIntFromComboBox(RowsCountComboBox, kMinBoardSize, kMaxBoardSize, kDefaultBoardSize);
}

void TGlyphmasonForm::NewGameMenuClick() {
  ShowingFunction("TGlyphmasonForm::NewGameMenuClick", "Failed to create new puzzle.",
                  [&](TFunScope& Fun) {
                    if (!CheckSave()) {
                      return;
                    }
                    ReadBoardSize();
                    Game.SetUpNewBoard();
                    const std::string name = Dictionary.DictionaryName;
                    const bool usable = Dictionary.LoadDictionary(name);
                    if (Fun.CalleeFailed() || !usable) {
                      return;
                    }
                    Game.ClearStock();
                    Game.FillStock();
                    Game.GameModified = false;
                    CheckGameEnd(Game, true);
                    Say(SpokenLetters("Your letters", Game));
                  });
}

void TGlyphmasonForm::LoadDictionaryMenuClick() {
  ShowingFunction("TGlyphmasonForm::LoadDictionaryMenuClick", "Failed to load dictionary.",
                  [&](TFunScope&) {
                    LoadDictionaryOpenDialog.FileName =
                        DictionariesDirectory() + Dictionary.DictionaryName;
                    if (!LoadDictionaryOpenDialog.Execute()) {
                      return;
                    }
                    Dictionary.DictionaryName = NameOfPath(LoadDictionaryOpenDialog.FileName);
                    NewGameMenuClick();
                  });
}

void TGlyphmasonForm::LoadLastGameMenuClick() {
  ShowingFunction("TGlyphmasonForm::LoadLastGameMenuClick", "Failed to load last game.",
                  [&](TFunScope& Fun) {
                    LoadGameFrom(LastGameFileName);
                    if (Fun.CalleeFailed()) {
                      return;
                    }
                    OpenDialog.FileName = LastGameFileName;
                  });
}

void TGlyphmasonForm::LoadGameMenuClick() {
  ShowingFunction("TGlyphmasonForm::LoadGameMenuClick", "Failed to load game.",
                  [&](TFunScope& Fun) {
                    if (!OpenDialog.Execute()) {
                      return;
                    }
                    LoadGameFrom(OpenDialog.FileName);
                    Fun.CalleeFailed();
                  });
}

void TGlyphmasonForm::SaveGameMenuClick() {
  ShowingFunction("TGlyphmasonForm::SaveGameMenuClick", "Failed to save game.",
                  [&](TFunScope& Fun) {
                    if (!SaveDialog.Execute()) {
                      return;
                    }
                    SaveDialog.FileName = WithGameExtension(SaveDialog.FileName);
                    SaveGameTo(SaveDialog.FileName);
                    Fun.CalleeFailed();
                  });
}

void TGlyphmasonForm::LoadGameFrom(const std::string& path) {
  PassingFunction("TGlyphmasonForm::LoadGameFrom", [&](TFunScope& Fun) {
    if (!HasGameExtension(path)) {
      return;
    }
    if (!FileExists(path)) {
      Fun.Fail("There is no such file", path);
      return;
    }
    if (!CheckSave()) {
      return;
    }
    ReadBoardSize();
    Game.SetUpNewBoard();
    // A failed read has shown "Failed to load file." already.
    if (!GameList.LoadFrom(path)) {
      return;
    }
    const std::string dictionaryName = Dictionary.DictionaryName;
    if (!Dictionary.LoadDictionary(dictionaryName)) {
      return;
    }
    Game.GameModified = false;
    Game.UpdatePutButtons();
    ShowWholeBoard();
    CheckGameEnd(Game, false);
    Game.ShowScore(Game.WordScore());
    Game.ShowLetterScore(0);
    LastGameFileName = path;
    Game.ShowCaption(path);
    SaveDialog.FileName = path;
    Say(SpokenLetters("Your letters", Game));
  });
}

void TGlyphmasonForm::SaveGameTo(const std::string& path) {
  PassingFunction("TGlyphmasonForm::SaveGameTo", [&](TFunScope&) {
    Dictionary.SaveDictionary();
    if (!GameList.SaveAs(path, true)) {
      return;
    }
    LastGameFileName = path;
    Game.GameModified = false;
    Game.ShowCaption(path);
  });
}
