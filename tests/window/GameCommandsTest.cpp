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

TEST_F(GameCommandsTest, AnotherExtensionIsIgnoredAndAFolderFailsToLoad) {
  Files.Choose(Program.Write("notes.txt", "x"));
  PressKey(Qt::Key_L);
  EXPECT_TRUE(Errors.Shown.empty());
  // A folder named like a game: the normal load failure, saying what it is.
  std::filesystem::create_directory(Program.File("GlyphmasonGames/x.gmg"));
  Form->LastGameFileName = Program.File("GlyphmasonGames/x.gmg");
  PressKey(Qt::Key_Z, Qt::ControlModifier);
  ASSERT_EQ(Errors.Shown.size(), 1u);
  EXPECT_EQ(Errors.Shown[0].Message, "Failed to load file.");
  EXPECT_NE(Errors.Shown[0].Report.find("* Description: \"The path names a folder, not a file.\""),
            std::string::npos)
      << Errors.Shown[0].Report;
}

}  // namespace
