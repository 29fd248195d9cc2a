// The window itself: layout, keys, window modes, colours.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

#include "support/ui/WindowFixture.h"
#include "Libraries/Error/FunStatContext.h"
#include "Libraries/Error/ui/ErrorForm.h"
#include "window/BoardView.h"
#include "window/Input.h"
#include "window/ProgramWindows.h"
#include "window/WindowMode.h"

namespace {

using MainWindowTest = TWindowTest;

// 95 % of the work area, centred, frame included; an extent whose 95 % is
// whole comes out one lower, on every compiler. On a small or scaled screen
// (logical pixels) the window stays inside the work area wherever the left
// panels fit; a screen too small for them keeps the least window centred.
TEST(WindowMode, TheWindowedBoundsOfAWorkArea) {
  const TWindowFrame openbox{2, 22};
  const struct {
    int Width, Height;
    TWindowFrame Frame;
    TWindowBounds Bounds;
  } areas[] = {
      {1024, 738, {}, {26, 18, 972, 701}},        {800, 570, {}, {20, 14, 760, 541}},
      {1280, 1024, {}, {32, 26, 1215, 972}},      {1920, 1080, {}, {48, 27, 1823, 1025}},
      {1600, 900, {}, {40, 23, 1519, 854}},       {2560, 1440, {}, {64, 36, 2431, 1367}},
      {1440, 1200, {}, {36, 30, 1367, 1139}},     {3840, 2160, {}, {96, 54, 3647, 2051}},
      {1366, 768, {}, {34, 19, 1297, 729}},       {1920, 1040, {}, {48, 26, 1823, 987}},
      {960, 540, openbox, {24, 0, 911, 540}},     // 1920 x 1080 at 200 %
      {853, 682, openbox, {21, 17, 810, 647}},    // 1280 x 1024 at 150 %
      {960, 532, openbox, {24, 0, 911, 532}},     // 200 % with a task bar
      {700, 520, {}, {0, 0, 700, 520}},           {640, 512, {}, {0, 0, 640, 512}},
      {640, 480, {}, {-60, -30, 760, 540}},       {700, 520, openbox, {-30, -10, 760, 540}},
  };
  for (const auto& area : areas) {
    EXPECT_EQ(WindowedBounds(area.Width, area.Height, area.Frame), area.Bounds)
        << area.Width << " x " << area.Height << ", frame " << area.Frame.Width;
  }
}

TEST(KeyTest, OnlyTheOneModifierCounts) {
  EXPECT_TRUE(IsOnlyModifier(ssCtrl, ssCtrl));
  EXPECT_TRUE(IsOnlyModifier(ssCtrl | ssLeft, ssCtrl));
  EXPECT_FALSE(IsOnlyModifier(ssCtrl | ssShift, ssCtrl));
  EXPECT_FALSE(IsOnlyModifier(ssAlt, ssCtrl));
  EXPECT_EQ(KeyboardShiftState(ssDouble | ssRight | ssShift), ssDouble | ssShift);
}

// A file dialog that, as a real modal dialog does, takes the focus away
// from the control that had it.
class TFocusTakingDialogs : public IFileDialogs {
 public:
  bool Execute(TFileDialogKind, const std::string&, std::string&) override {
    ++Shown;
    if (QWidget* focused = QApplication::focusWidget()) {
      focused->clearFocus();
    }
    return false;
  }
  int Shown = 0;
};

TEST_F(MainWindowTest, OneKeyPressRunsItsCommandOnceWhateverHasTheFocus) {
  TFocusTakingDialogs dialogs;
  FileDialogsSeam::TScoped scope(&dialogs);
  QApplication::setActiveWindow(Form.get());
  Form->AllowUnknownWordsCheckBox->setFocus();
  PressKey(Qt::Key_S);
  EXPECT_EQ(dialogs.Shown, 1);
  PressKey(Qt::Key_D);
  EXPECT_EQ(dialogs.Shown, 2);
}

// All 30 columns and rows lie inside the window, whoever sized it.
void ExpectWholeBoardInside(const TGlyphmasonForm& form) {
  const QRect last = form.BoardPaintBox->CellRect(29, 29);
  const QPoint corner = form.BoardPaintBox->mapTo(&form, last.bottomRight());
  EXPECT_TRUE(form.rect().contains(corner)) << corner.x() << ", " << corner.y();
  EXPECT_EQ(form.BoardGroupBox->width(), form.width() - 340 - 5);
  EXPECT_EQ(form.BoardGroupBox->height(), form.height() - 5);
  EXPECT_GE(form.BoardPaintBox->CellWidth() * 30, form.BoardPaintBox->width() - 30);
}

// The left panels fit the least client area, and the board, right of them,
// follows every size change.
TEST_F(MainWindowTest, WindowModesFillTheirAreaAndTheBoardFollowsEverySizeChange) {
  for (const QWidget* panel : {Form->MenuPanel, Form->MainPanel, Form->LettersPanel}) {
    EXPECT_LE(panel->geometry().right() + 1, kLeftPanelsWidth) << panel->objectName().toStdString();
    EXPECT_LE(panel->geometry().bottom() + 1, kLeftPanelsHeight) << panel->objectName().toStdString();
  }
  EXPECT_EQ(Form->BoardGroupBox->x(), kLeftPanelsWidth);
  const QRect windowed(26, 18, 972, 701);  // in a work area of 1024 x 738
  EXPECT_EQ(Form->frameGeometry(), windowed);
  NewGameOfSize(30, 30);
  ExpectWholeBoardInside(*Form);
  const QRect screen = Form->screen()->geometry();  // the screen the window is on
  Form->FullScreenCheckBox->setChecked(true);
  EXPECT_EQ(Form->geometry(), screen);
  ExpectWholeBoardInside(*Form);
  // A window manager that refuses full screen, or a new screen size.
  Form->resize(700, 560);
  ExpectWholeBoardInside(*Form);
  Form->FullScreenCheckBox->setChecked(false);
  EXPECT_EQ(Form->frameGeometry(), windowed);
  // A small work area keeps the panels and the whole board.
  Form->SetWorkAreaForTesting(QRect(0, 0, 700, 520));
  Form->FullScreenCheckBox->setChecked(true);
  Form->FullScreenCheckBox->setChecked(false);
  EXPECT_EQ(Form->frameGeometry(), QRect(0, 0, 700, 520));
  ExpectWholeBoardInside(*Form);
  // A start in full screen mode is played by the window scenario.
}

TEST_F(MainWindowTest, WindowModesFillTheScreenTheWindowIsOn) {
  // The window tests have two screens side by side.
  const QList<QScreen*> screens = QGuiApplication::screens();
  ASSERT_EQ(screens.size(), 2);
  QScreen* other = screens[screens[0] == QGuiApplication::primaryScreen() ? 1 : 0];
  Form->SetWorkAreaForTesting(QRect());
  Form->setScreen(other);
  Form->FullScreenCheckBox->setChecked(true);
  EXPECT_EQ(Form->geometry(), other->geometry());
  Form->FullScreenCheckBox->setChecked(false);
  const QRect area = other->availableGeometry();
  const TWindowBounds bounds = WindowedBounds(area.width(), area.height());
  EXPECT_EQ(Form->frameGeometry(),
            QRect(area.left() + bounds.Left, area.top() + bounds.Top, bounds.Width, bounds.Height));
}

// With "New stock letters" focused, the window scenario presses Space.
TEST_F(MainWindowTest, SpaceHidesTheProgramAndPressesNothingElse) {
  StartGame();
  QApplication::setActiveWindow(Form.get());
  Form->FullScreenCheckBox->setFocus();
  PressKey(Qt::Key_Space);
  EXPECT_TRUE(Form->isMinimized());
  Form->showNormal();
  PressKey(Qt::Key_Space);
  EXPECT_FALSE(Form->FullScreenCheckBox->isChecked());
  Files.Cancel();
  PressKey(Qt::Key_S);
  EXPECT_EQ(Files.Offered.size(), 1u);
}

TEST_F(MainWindowTest, BoardGeometryAtDesignSize) {
  Form->BoardPaintBox->resize(415, 480);
  NewGameOfSize(30, 30);
  Form->BoardPaintBox->resize(415, 480);
  Form->BoardPaintBox->ComputeBoardGeometry();
  EXPECT_EQ(Form->BoardPaintBox->CellWidth(), 13);
  EXPECT_EQ(Form->BoardPaintBox->CellHeight(), 16);
  EXPECT_EQ(Form->BoardPaintBox->FontPointSize(), 8);
  TCellPosition cell;
  EXPECT_FALSE(Form->BoardPaintBox->CellAtPoint({400, 10}, cell));  // the 25-pixel strip
  EXPECT_TRUE(Form->BoardPaintBox->CellAtPoint({389, 479}, cell));
  EXPECT_EQ(cell, (TCellPosition{29, 29}));
}

TEST_F(MainWindowTest, PaintedColoursTellSquaresApart) {
  StartGame("CATSENO");
  Form->Game.Board[0][0] = {'X', 0};  // a fixed letter
  DragStockToCell(0, 0, 1);
  const QImage image = Form->BoardPaintBox->grab().toImage();
  const QPalette colours = Form->BoardPaintBox->palette();
  const int w = Form->BoardPaintBox->CellWidth();
  const int h = Form->BoardPaintBox->CellHeight();
  // Near the corner of a square, inside its outline, away from the letter.
  const auto fillAt = [&](int column, int row) { return image.pixel(column * w + 2, row * h + 2); };
  EXPECT_EQ(fillAt(0, 0), colours.color(QPalette::Highlight).rgb());
  EXPECT_EQ(fillAt(0, 1), colours.color(QPalette::Dark).rgb());
  EXPECT_EQ(fillAt(5, 5), colours.color(QPalette::Button).rgb());
  // Two-pixel dividing line between neighbours, in the button text colour.
  EXPECT_EQ(image.pixel(w - 1, 5 * h + 5), colours.color(QPalette::ButtonText).rgb());
  EXPECT_EQ(image.pixel(w, 5 * h + 5), colours.color(QPalette::ButtonText).rgb());
}

TEST(ProgramWindows, AFailureAfterTheErrorDialogExistsIsShownInIt) {
  TTestProgramFolder program;
  TFakeMessageBoxes boxes;  // the plain box for a missing error dialog would land here
  std::string shown;
  TProgramWindows windows;
  RunProgramWindows(false, windows, [&] {
    ErrorForm->RunModal = [&](TErrorForm& form) {
      shown = form.MainMemoText();
      return TErrorForm::kResultOk;
    };
    throw std::runtime_error("The message loop broke.");
  });
  EXPECT_TRUE(boxes.Shown.empty());
  EXPECT_EQ(shown.rfind("DESCRIPTION\r\nFailed to perform.\r\n", 0), 0u) << shown;
  EXPECT_NE(shown.find("* Description: \"Unhandled exception: The message loop broke.\""),
            std::string::npos)
      << shown;
  EXPECT_NE(shown.find("* Function: \"WinMain\""), std::string::npos);
  EXPECT_FALSE(GlobalFunStat.Failed());
}

}  // namespace
