// The names under which games are saved and offered again.

#include <filesystem>

#include "support/ui/WindowFixture.h"

namespace {

class SavedGameNames : public TWindowTest {
 protected:
  std::string Games(const std::string& name) const {
    return Program.File("GlyphmasonGames/" + name);
  }
  void SaveAs(const std::string& path) {
    Files.Choose(path);
    PressKey(Qt::Key_S);
  }
};

TEST_F(SavedGameNames, ANameTypedWithoutExtensionIsSavedAsAGameAndLoadsAgain) {
  StartGame("CATSENO");
  DragStockToCell(0, 7, 7);
  SaveAs(Games("game1"));
  EXPECT_TRUE(std::filesystem::is_regular_file(Games("game1.gmg")));
  EXPECT_FALSE(std::filesystem::exists(Games("game1")));
  EXPECT_EQ(Form->LastGameFileName, Games("game1.gmg"));

  StartGame("XXXXXXX");
  Files.Choose(Games("game1.gmg"));
  PressKey(Qt::Key_L);
  EXPECT_EQ(Form->Game.Board[7][7].Letter, 'C');
  EXPECT_EQ(Stock(), ".ATSENO");
}

TEST_F(SavedGameNames, TheOverwriteQuestionNamesTheFileWithItsExtension) {
  StartGame();
  SaveAs(Games("game1.gmg"));
  Boxes.Answer(kIdNo);
  SaveAs(Games("game1"));
  ASSERT_EQ(Boxes.Shown.size(), 1u);
  EXPECT_NE(Boxes.Shown[0].Text.find("\"" + Games("game1.gmg") + "\""), std::string::npos)
      << Boxes.Shown[0].Text;
}

TEST_F(SavedGameNames, ANameWithAnotherExtensionStaysAsTyped) {
  StartGame();
  SaveAs(Games("notes.txt"));
  SaveAs(Games("game1."));
  EXPECT_TRUE(std::filesystem::is_regular_file(Games("notes.txt")));
  EXPECT_TRUE(std::filesystem::is_regular_file(Games("game1.")));
  EXPECT_FALSE(std::filesystem::exists(Games("notes.txt.gmg")));
}

}  // namespace
