#pragma once
// A main window as a player meets it, offscreen: a program folder of its own
// with a small English dictionary, every dialog answered by a fake, the
// letter-choice and About dialogs created, BeforeRun done and the window shown.

#include <gtest/gtest.h>

#include <QPoint>
#include <QString>
#include <memory>
#include <string>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "game/ui/ChooseLetterForm.h"
#include "support/ErrorRecorder.h"
#include "support/FakeFileDialogs.h"
#include "support/FakeMessageBoxes.h"
#include "support/TestFolders.h"
#include "window/GlyphmasonForm.h"

class TWindowTest : public ::testing::Test {
 protected:
  TWindowTest();
  ~TWindowTest() override;

  // Writes GlyphmasonDictionaries/English.gmd with eleven letters
  // A C E I L N O R S T X and its words list.
  void WriteDictionary(const std::string& words = "CAT\r\nCATS\r\nTAX\r\nAXE\r\nNOSE\r\n");
  // Ctrl+N, then the stock set to these letters (slot 1 first).
  void StartGame(const std::string& stock = "CATSENO");
  // The board size boxes set, then Ctrl+N.
  void NewGameOfSize(int columns, int rows);
  std::string Stock() const;

  // A press on a stock slot (0..6) or a square, a move of the held button to
  // a square or a slot, and the release there: a drag as the mouse does it.
  void DragStockToCell(int slot, int column, int row);
  void DragCellToCell(int fromColumn, int fromRow, int toColumn, int toRow);
  void DragCellToStock(int column, int row, int slot);
  void DragStockToStock(int from, int to);
  void RightClickCell(int column, int row) { PressCell(column, row, Qt::RightButton); }
  void RightClickStock(int slot) { PressStock(slot, Qt::RightButton); }
  void PressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  // A key press sent straight to the control, as into a modal dialog.
  static void SendKey(QObject* control, int key, const QString& text = {});

  QPoint CellCentre(int column, int row) const;
  QPoint StockCentre(int slot) const;

  TTestProgramFolder Program;
  TFakeMessageBoxes Boxes;
  TErrorRecorder Errors;
  TFakeFileDialogs Files;
  std::unique_ptr<TChooseLetterForm> ChooseLetter;
  std::unique_ptr<TAboutForm> About;
  std::unique_ptr<TGlyphmasonForm> Form;

  // The parts of a drag: the press, and the held button moved to a point on
  // the screen and released there (the pressed control receives both).
  void PressStock(int slot, Qt::MouseButton button);
  void MoveAndRelease(QWidget* control, QPoint globalPoint);

 private:
  void Press(QWidget* control, QPoint point, Qt::MouseButton button);
  void PressCell(int column, int row, Qt::MouseButton button);
};
