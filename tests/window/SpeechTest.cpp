// What the game says to a screen reader while the board keeps the focus: a
// notification for each event of a turn, R for the whole state, and a board
// that shows only its cursor's square, so a row change reads one square.

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

#include "support/ui/WindowFixture.h"
#include "window/Announcer.h"
#include "window/BoardView.h"

namespace {

struct SpeechTest : TWindowTest {
  SpeechTest() {
    QApplication::setActiveWindow(Form.get());
    StartGame("CATIIII");
  }
  TAnnouncer* Announcer() const { return Form->findChild<TAnnouncer*>("Announcer"); }
  std::string Said() const { return Announcer()->LastText().toStdString(); }
  void ChooseLetterByTyping(int key, const char* text) {
    ChooseLetter->RunModal = [key, text](TChooseLetterForm& form) {
      QKeyEvent typed(QEvent::KeyPress, key, Qt::NoModifier, text);
      QApplication::sendEvent(&form, &typed);
      return form.result();
    };
  }
};

TEST_F(SpeechTest, TheAnnouncerIsAnUnseenNotificationThatKeepsNoFocus) {
  ASSERT_NE(Announcer(), nullptr);
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(Announcer());
  ASSERT_NE(face, nullptr);
  EXPECT_EQ(face->role(), QAccessible::Notification);
  EXPECT_EQ(face->text(QAccessible::Name).toStdString(), Said());
  EXPECT_TRUE(Announcer()->isVisible());
  EXPECT_TRUE(Announcer()->text().isEmpty());  // no caption in its one pixel
  EXPECT_LE(Announcer()->width() * Announcer()->height(), 1);
  EXPECT_TRUE(Form->BoardPaintBox->hasFocus());
}

TEST_F(SpeechTest, ANewGameAndALoadSayTheLettersInSlotOrder) {
  Form->Game.GameModified = false;
  PressKey(Qt::Key_N, Qt::ControlModifier);
  EXPECT_TRUE(QRegularExpression("^Your letters: 1 .(, [2-7] .){6}\\.$")
                  .match(Announcer()->LastText())
                  .hasMatch())
      << Said();
  EXPECT_EQ(Said().substr(0, 17), std::string("Your letters: 1 ") + Form->Game.StockLetter(0));

  const std::string path = Program.File("GlyphmasonGames/spoken.gmg");
  Form->Game.SetStockLetter(1, 0);
  Files.Choose(path);
  PressKey(Qt::Key_S);
  Form->Game.SetStockLetter(0, 'X');
  Files.Choose(path);
  PressKey(Qt::Key_L);
  EXPECT_EQ(Said().substr(0, 26),
            std::string("Your letters: 1 ") + Form->Game.StockLetter(0) + ", 2 empty");
}

TEST_F(SpeechTest, EachStepOfATurnIsSaid) {
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Said(), "No loose letters on the board.");
  PressKey(Qt::Key_1);
  EXPECT_EQ(Said(), "C on H8");
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Said(), "One letter alone makes no word: put it next to a letter.");
  PressKey(Qt::Key_Slash);
  EXPECT_EQ(Said(), "Down");
  PressKey(Qt::Key_Slash);
  EXPECT_EQ(Said(), "Right");
  PressKey(Qt::Key_Up);  // a cursor move says nothing of its own
  PressKey(Qt::Key_Down);
  EXPECT_EQ(Said(), "Right");
  PressKey(Qt::Key_2);
  PressKey(Qt::Key_3);
  EXPECT_EQ(Said(), "T on J8");
  PressKey(Qt::Key_Return);
  const std::string score = std::to_string(Form->Game.Score);
  EXPECT_EQ(Said().substr(0, 8), "CAT for ");
  EXPECT_NE(Said().find(" points. Score " + score + ". New letters: 1 "), std::string::npos)
      << Said();
  EXPECT_NE(Said().find("4 I, 5 I, 6 I, 7 I."), std::string::npos) << Said();

  PressKey(Qt::Key_R);
  EXPECT_EQ(Said().substr(0, 16), "Your letters: 1 ");
  EXPECT_NE(Said().find(". Score " + score +
                        ". Letter changes left: " + std::to_string(Form->Game.LetterChangesCount) +
                        ". Cursor on K8, moving right."),
            std::string::npos)
      << Said();
}

TEST_F(SpeechTest, ARefusedWordSaysTheWordLabelsReason) {
  Form->AllowUnknownWordsCheckBox->setChecked(false);
  PressKey(Qt::Key_3);
  PressKey(Qt::Key_2);
  PressKey(Qt::Key_1);
  Form->PutWordButton->click();
  EXPECT_EQ(Said(), "Last word was NOT in the words list: \"TAC\"");
  EXPECT_EQ(Form->Game.LooseLetterList.Count(), 3);
}

TEST_F(SpeechTest, ASuggestionSaysWhereItLiesAndWhichKeyPutsIt) {
  PressKey(Qt::Key_H);
  EXPECT_EQ(Said(), "Suggested CAT from F8 right. Enter puts it on the board.");
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Said().substr(0, 8), "CAT for ");
}

TEST_F(SpeechTest, ALetterChangeSaysTheNewLettersButACancelledOneNothing) {
  ChooseLetterByTyping(Qt::Key_X, "x");
  PressKey(Qt::Key_2, Qt::ControlModifier);
  EXPECT_EQ(Said(), "New letters: 1 C, 2 X, 3 T, 4 I, 5 I, 6 I, 7 I.");
  PressKey(Qt::Key_Slash);
  ChooseLetter->RunModal = [](TChooseLetterForm&) { return 0; };
  PressKey(Qt::Key_3, Qt::ControlModifier);
  RightClickStock(3);
  EXPECT_EQ(Said(), "Down");
  Form->NewStockLettersButton->click();
  EXPECT_EQ(Said().substr(0, 15), "New letters: 1 ");
}

TEST_F(SpeechTest, RSaysNothingWithoutAGameOrWithAModifier) {
  PressKey(Qt::Key_Slash);
  PressKey(Qt::Key_R, Qt::ControlModifier);
  PressKey(Qt::Key_R, Qt::AltModifier);
  EXPECT_EQ(Said(), "Down");
  Form->BoardPaintBox->hide();
  PressKey(Qt::Key_R);
  EXPECT_EQ(Said(), "Down");
}

TEST_F(SpeechTest, OnlyTheCursorsSquareShows) {
  QAccessibleInterface* board = QAccessible::queryAccessibleInterface(Form->BoardPaintBox);
  const auto invisible = [board](int row, int column) {
    return board->tableInterface()->cellAt(row, column)->state().invisible;
  };
  EXPECT_FALSE(invisible(7, 7));
  EXPECT_TRUE(invisible(7, 8));
  PressKey(Qt::Key_Down);
  EXPECT_TRUE(invisible(7, 7));
  EXPECT_FALSE(invisible(8, 7));
}

}  // namespace
