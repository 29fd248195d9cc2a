// The names under which games are saved and offered again.

#include <QLabel>
#include <filesystem>
#include <utility>
#include <vector>

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

TEST_F(SavedGameNames, EveryNameIsSavedAsAGameThatCtrlZLoadsAgain) {
  StartGame("CATSENO");
  DragStockToCell(0, 7, 7);
  for (const auto& [typed, saved] : std::vector<std::pair<std::string, std::string>>{
           {"notes.txt", "notes.txt.gmg"},
           {"game1.", "game1.gmg"},
           {"Mr. Smith", "Mr. Smith.gmg"},
           {"KEPT.GMG", "KEPT.GMG"}}) {
    SaveAs(Games(typed));
    EXPECT_TRUE(std::filesystem::is_regular_file(Games(saved))) << typed;
    EXPECT_EQ(Form->LastGameFileName, Games(saved));
  }
  EXPECT_FALSE(std::filesystem::exists(Games("notes.txt")));

  StartGame("XXXXXXX");
  PressKey(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Form->Game.Board[7][7].Letter, 'C');
  EXPECT_EQ(Form->LastGameFileName, Games("KEPT.GMG"));
}

TEST_F(SavedGameNames, TheStartPromptOffersCtrlZOnlyForALastGameThatIsThere) {
  EXPECT_EQ(Form->StartPromptLabel->text(), "Ctrl+N: new game");
  // A path far longer than a Windows path may be.
  const std::string folder = Games(std::string(200, 'd'));
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/" + std::string(100, 'g') + ".gmg";
  StartGame("CATSENO");
  DragStockToCell(0, 7, 7);
  SaveAs(path);
  Form->OptionsList.Save(false);

  Form.reset();
  Form = std::make_unique<TGlyphmasonForm>();
  Form->BeforeRun();
  Form->show();
  EXPECT_EQ(Form->StartPromptLabel->text(),
            "Ctrl+N: new game      Ctrl+Z: continue the last game");
  PressKey(Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Form->Game.Board[7][7].Letter, 'C');
  EXPECT_EQ(Form->LastGameFileName, path);
}

}  // namespace
