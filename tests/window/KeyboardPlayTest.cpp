// Keyboard play beyond the whole game that the keys scenario plays with real
// keys: refused keys, where the focus goes and stays, the letter choice's
// arrows, and what Enter commits.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "support/ui/WindowFixture.h"
#include "window/BoardView.h"
#include "window/GameOverForm.h"
#include "window/RecordsForm.h"

namespace {

struct KeyboardPlayTest : TWindowTest {
  KeyboardPlayTest() {
    QApplication::setActiveWindow(Form.get());
    StartGame("CATSENO");
  }
  TCellPosition CursorSquare() const { return Form->BoardPaintBox->Cursor().Square; }
};

TEST_F(KeyboardPlayTest, AnEmptySlotOrAnOccupiedSquareChangesNothing) {
  Form->Game.SetStockLetter(3, 0);
  PressKey(Qt::Key_4);
  EXPECT_EQ(Form->Game.LooseLetterList.Count(), 0);
  EXPECT_FALSE(Form->Game.GameModified);
  EXPECT_EQ(Boxes.Beeps.size(), 1u);
  PressKey(Qt::Key_1);
  PressKey(Qt::Key_Left);  // back onto the C
  PressKey(Qt::Key_2);
  EXPECT_EQ(Stock(), ".AT.ENO");
  EXPECT_EQ(Boxes.Beeps.size(), 2u);
}

// A focused combo box keeps its digits, and Enter presses a focused check box.
TEST_F(KeyboardPlayTest, AFocusedControlKeepsItsKeys) {
  Form->ColumnsCountComboBox->setFocus();
  PressKey(Qt::Key_1);
  EXPECT_EQ(Stock(), "CATSENO");
  Form->AllowUnknownWordsCheckBox->setFocus();
  PressKey(Qt::Key_Return);
  EXPECT_FALSE(Form->AllowUnknownWordsCheckBox->isChecked());
}

TEST_F(KeyboardPlayTest, AClickOnASquareOrTabAfterAllowUnknownWordsFocusesTheBoard) {
  Form->WorkButton->setFocus();
  RightClickCell(2, 3);
  EXPECT_EQ(CursorSquare(), (TCellPosition{2, 3}));
  EXPECT_TRUE(Form->BoardPaintBox->hasFocus());
  Form->AllowUnknownWordsCheckBox->setFocus();
  PressKey(Qt::Key_Tab);
  EXPECT_TRUE(Form->BoardPaintBox->hasFocus());
  Form->WorkButton->setFocus();
  int presses = 0;
  while (!Form->BoardPaintBox->hasFocus() && presses < 40) {
    PressKey(Qt::Key_Tab);
    ++presses;
  }
  EXPECT_EQ(presses, 13);  // the commit buttons are disabled and skipped
}

TEST_F(KeyboardPlayTest, WhyNoWordStandsInTheTipsPlace) {
  PressKey(Qt::Key_1);
  EXPECT_TRUE(Form->WhyNoWordLabel->isVisible());
  EXPECT_FALSE(Form->AcceptWordTipLabel->isVisible());
  EXPECT_NE(Form->WhyNoWordLabel->text().indexOf("alone"), -1);
  EXPECT_NE(Form->BoardPaintBox->StatusText().indexOf("alone"), -1);
  PressKey(Qt::Key_2);
  EXPECT_FALSE(Form->WhyNoWordLabel->isVisible());
  EXPECT_TRUE(Form->AcceptWordTipLabel->isVisible());
  PressKey(Qt::Key_Right);
  PressKey(Qt::Key_3);  // C A _ T: a gap
  EXPECT_NE(Form->WhyNoWordLabel->text().indexOf("gap"), -1);
}

TEST_F(KeyboardPlayTest, TheLetterChoiceWalksWithArrowsAndEscapeCancels) {
  ChooseLetter->show();  // the first letter takes the focus
  QApplication::setActiveWindow(ChooseLetter.get());
  ASSERT_EQ(ChooseLetter->FocusedSlot(), 0);
  ChooseLetter->RunModal = [](TChooseLetterForm& form) {
    for (const int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Return}) {
      SendKey(&form, key);
    }
    return form.result();
  };
  EXPECT_EQ(ChooseLetter->AskReplacementLetter(), 'S');  // slot 8, below the A
  ChooseLetter->RunModal = [](TChooseLetterForm& form) {
    form.show();
    SendKey(&form, Qt::Key_Escape);
    return form.result();
  };
  EXPECT_EQ(ChooseLetter->AskReplacementLetter(), 0);
}

TEST_F(KeyboardPlayTest, TheMenuKeyOnASlotOpensItsLetterChoiceAndTheBoardGetsTheFocusBack) {
  ChooseLetter->RunModal = [](TChooseLetterForm& form) {
    form.show();
    SendKey(&form, Qt::Key_X, "x");
    return form.result();
  };
  PressKey(Qt::Key_Tab);
  PressKey(Qt::Key_Right);
  PressKey(Qt::Key_Menu);
  EXPECT_EQ(Stock(), "CXTSENO");
  EXPECT_EQ(Form->focusWidget(), Form->BoardPaintBox);
  PressKey(Qt::Key_Tab);
  PressKey(Qt::Key_Right);
  PressKey(Qt::Key_F10, Qt::ShiftModifier);
  EXPECT_EQ(Stock(), "CXXSENO");
}

TEST_F(KeyboardPlayTest, EnterCommitsTheFlippedWordWhenOnlyThatIsInTheList) {
  for (const int key : {Qt::Key_3, Qt::Key_2, Qt::Key_1}) {
    PressKey(key);  // T A C
  }
  PressKey(Qt::Key_Return);
  EXPECT_EQ(Form->ValidWordLabel->text(), "Last word is in the words list: \"CAT\"");
  EXPECT_FALSE(Form->Game.WordsListModified);
}

TEST_F(KeyboardPlayTest, TheBoardHasTheFocusAfterCommitsBoxesAndWindows) {
  for (const int key : {Qt::Key_1, Qt::Key_2, Qt::Key_3}) {
    PressKey(key);
  }
  Form->PutWordButton->setFocus();
  PressKey(Qt::Key_Return);
  ASSERT_EQ(Form->Game.Figures.Turns.size(), 1U);
  EXPECT_EQ(Form->focusWidget(), Form->BoardPaintBox);
  PressKey(Qt::Key_Return);  // nothing loose: no word, and the box stays ticked
  EXPECT_TRUE(Form->AllowUnknownWordsCheckBox->isChecked());

  Form->WorkButton->setFocus();
  Boxes.Answer(kIdNo);
  Form->EndGameMenu->trigger();  // "End this game?" No
  EXPECT_EQ(Form->focusWidget(), Form->BoardPaintBox);

  Form->WorkButton->setFocus();
  Form->RecordsMenu->trigger();
  ASSERT_TRUE(Form->RecordsForm && Form->RecordsForm->isVisible());
  Form->WorkButton->setFocus();
  Form->RecordsForm->close();
  EXPECT_EQ(Form->focusWidget(), Form->BoardPaintBox);

  Boxes.Answer(kIdYes);
  Form->EndGameMenu->trigger();
  ASSERT_TRUE(Form->GameOverForm && Form->GameOverForm->isVisible());
  EXPECT_EQ(Form->GameOverForm->focusWidget(), Form->GameOverForm->OkayButton);
  Form->WorkButton->setFocus();
  Form->GameOverForm->close();
  EXPECT_EQ(Form->focusWidget(), Form->BoardPaintBox);
}

}  // namespace
