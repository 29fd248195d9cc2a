// The About button, used as the player uses it; the words-list analysis is
// played by the golden games.

#include <QLabel>
#include <QPushButton>
#include <memory>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Text/ui/QtText.h"
#include "support/ui/WindowFixture.h"

namespace {

// The About dialog exists before the window's BeforeRun, as at start-up.
struct TAboutFormFirst {
  std::unique_ptr<TAboutForm> About = std::make_unique<TAboutForm>();
};

class ReportTest : public TAboutFormFirst, public TWindowTest {};

TEST_F(ReportTest, AboutButtonShowsTheProgramsNameAndVersion) {
  std::string name;
  std::string version;
  int shown = 0;
  About->RunModal = [&](TAboutForm& form) {
    ++shown;
    name = FromQString(form.ProgramNameLabel->text());
    version = FromQString(form.ProgramVersionLabel->text());
    return TAboutForm::kResultOk;
  };
  Form->AboutButton->click();
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(name, "Glyphmason");
  EXPECT_EQ(version, "Version 2.5.2, released on 06.01.2006");
  EXPECT_TRUE(Errors.Shown.empty());
}

}  // namespace
