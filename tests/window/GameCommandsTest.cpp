// Game file names, driven through the window; whole games with their saves,
// loads, options, questions and refusals are played by the golden games.

#include <filesystem>

#include "support/ui/WindowFixture.h"

namespace {

using GameCommandsTest = TWindowTest;

TEST_F(GameCommandsTest, AFileNameInTheSystemsEncodingIsUsedAndShownReadably) {
  StartGame("CATSENO");
  const std::string path = Program.File("GlyphmasonGames/\xC3\x9C" "ber mine.gmg");
  const QString caption = QString::fromUtf8("Glyphmason - " + path);
  Files.Choose(path);
  PressKey(Qt::Key_S);
  EXPECT_EQ(Form->windowTitle(), caption);
  EXPECT_TRUE(std::filesystem::exists(path));
  Form->Game.SetStockLetter(0, 0);
  PressKey(Qt::Key_Z, Qt::ControlModifier);  // load last game
  EXPECT_TRUE(Errors.Shown.empty());
  EXPECT_EQ(Stock(), "CATSENO");
  EXPECT_EQ(Form->windowTitle(), caption);
}

TEST_F(GameCommandsTest, AFileOfAnotherExtensionIsIgnored) {
  Files.Choose(Program.Write("notes.txt", "x"));
  PressKey(Qt::Key_L);
  EXPECT_TRUE(Errors.Shown.empty());
  EXPECT_EQ(Form->windowTitle(), "Glyphmason");
}

}  // namespace
