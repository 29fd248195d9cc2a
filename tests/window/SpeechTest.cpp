// What the game says to a screen reader while the board keeps the focus, and
// a board that shows only its cursor's square, so a row change reads one.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>

#include "support/ui/WindowFixture.h"
#include "window/Announcer.h"
#include "window/BoardView.h"

namespace {

struct SpeechTest : TWindowTest {
  SpeechTest() {
    QApplication::setActiveWindow(Form.get());
    StartGame("CATIIII");
  }
  std::string Said() const {
    return Form->findChild<TAnnouncer*>("Announcer")->LastText().toStdString();
  }
};

TEST_F(SpeechTest, ATurnIsToldStepByStepWhileTheBoardKeepsTheFocus) {
  auto* announcer = Form->findChild<TAnnouncer*>("Announcer");
  EXPECT_EQ(QAccessible::queryAccessibleInterface(announcer)->role(), QAccessible::Notification);
  EXPECT_EQ(Said().rfind("Your letters: 1 ", 0), 0u) << Said();  // from the new game
  const std::pair<int, const char*> steps[] = {
      {Qt::Key_Return, "No loose letters on the board."},
      {Qt::Key_1, "C on H8"},
      {Qt::Key_Return, "One letter alone makes no word: put it next to a letter."},
      {Qt::Key_Slash, "Down"},
      {Qt::Key_Slash, "Right"},
      {Qt::Key_Up, "Right"},  // a cursor move says nothing of its own
      {Qt::Key_Down, "Right"},
      {Qt::Key_2, "A on I8"},
  };
  for (const auto& [key, said] : steps) {
    PressKey(key);
    EXPECT_EQ(Said(), said);
  }
  PressKey(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(Said(), "A on I8");
  PressKey(Qt::Key_3);
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Said().rfind("CAT for ", 0), 0u);
  EXPECT_NE(Said().find(" points. Score " + std::to_string(Form->Game.Score) + ". New letters: "),
            std::string::npos);
  PressKey(Qt::Key_R);
  EXPECT_NE(Said().find("Letter changes left: 11. Cursor on K8, moving right."), std::string::npos)
      << Said();
  EXPECT_TRUE(Form->BoardPaintBox->hasFocus());
}

TEST_F(SpeechTest, ASuggestionARefusalALetterChangeAndALoadAreTold) {
  PressKey(Qt::Key_H);
  EXPECT_EQ(Said(), "Suggested CAT from F8 right. Enter puts it on the board.");
  Form->AllowUnknownWordsCheckBox->setChecked(false);
  Form->PutFlippedWordButton->click();
  EXPECT_EQ(Said(), "Last word was NOT in the words list: \"TAC\"");

  ChooseLetter->RunModal = [](TChooseLetterForm& form) {
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, "x");
    QApplication::sendEvent(&form, &typed);
    return form.result();
  };
  PressKey(Qt::Key_4, Qt::ControlModifier);
  EXPECT_EQ(Said(), "New letters: 1 empty, 2 empty, 3 empty, 4 X, 5 I, 6 I, 7 I.");
  ChooseLetter->RunModal = [](TChooseLetterForm&) { return 0; };  // cancelled: nothing new
  RightClickStock(4);
  EXPECT_EQ(Said(), "New letters: 1 empty, 2 empty, 3 empty, 4 X, 5 I, 6 I, 7 I.");

  const std::string path = Program.File("GlyphmasonGames/spoken.gmg");
  Files.Choose(path);
  PressKey(Qt::Key_S);
  Files.Choose(path);
  PressKey(Qt::Key_L);
  EXPECT_EQ(Said(), "Your letters: 1 empty, 2 empty, 3 empty, 4 X, 5 I, 6 I, 7 I.");
}

TEST_F(SpeechTest, OnlyTheCursorsSquareShows) {
  QAccessibleTableInterface* board =
      QAccessible::queryAccessibleInterface(Form->BoardPaintBox)->tableInterface();
  EXPECT_FALSE(board->cellAt(7, 7)->state().invisible);
  EXPECT_TRUE(board->cellAt(7, 8)->state().invisible);
  PressKey(Qt::Key_Down);
  EXPECT_TRUE(board->cellAt(7, 7)->state().invisible);
  EXPECT_FALSE(board->cellAt(8, 7)->state().invisible);
}

}  // namespace
