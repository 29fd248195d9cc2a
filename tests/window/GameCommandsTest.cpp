// Game files that are not games, driven through the window; whole games with
// their saves, loads, options, questions and refusals are played by the
// golden games.

#include <filesystem>

#include "support/ui/WindowFixture.h"

namespace {

using GameCommandsTest = TWindowTest;

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
