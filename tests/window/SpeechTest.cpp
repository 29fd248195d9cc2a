// What the game says to a screen reader beyond a turn played by keys (which
// the screen-reader-speech scenario hears through Orca): a refused word, a
// cancelled letter change and a loaded game.

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>

#include "support/ui/WindowFixture.h"
#include "window/Announcer.h"

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

TEST_F(SpeechTest, ASuggestionARefusalALetterChangeAndALoadAreTold) {
  PressKey(Qt::Key_H);
  EXPECT_EQ(Said(), "Suggested CAT from F8 right. Enter puts it on the board.");
  Form->AllowUnknownWordsCheckBox->setChecked(false);
  Form->PutFlippedWordButton->click();
  EXPECT_EQ(Said(), "Last word was NOT in the words list: \"TAC\"");

  ChooseLetter->RunModal = [](TChooseLetterForm& form) {
    SendKey(&form, Qt::Key_X, "x");
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

}  // namespace
