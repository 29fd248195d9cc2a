// Every caption of the program's windows fits its control in the fonts the
// program gets on this machine, with the longest texts the game writes into
// its labels.

#include <QComboBox>
#include <QLabel>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Error/ui/ErrorForm.h"
#include "Libraries/Program/ProgramIdentity.h"
#include "game/Scoring.h"
#include "lexicon/WordsList.h"
#include "support/ui/CaptionFit.h"
#include "support/ui/WindowFixture.h"

namespace {

using TCaptionsFit = TWindowTest;

TEST_F(TCaptionsFit, MainWindowWithTheWidestLettersAndLabelTexts) {
  Form->ColumnsCountComboBox->setCurrentText("30");
  Form->RowsCountComboBox->setCurrentText("30");
  StartGame("WMWMWMW");
  Form->SetLetterChangesLabel("Available letter changes 45");
  Form->SetLetterScoreLabel("Letter score 10");
  Form->SetScoreLabel(ScoreText(99999, 999));
  Form->SetValidWordLabel("Last word was NOT in the words list: \"WHOM\"");
  Form->SetWordsCountLabel(WordsCountText(355606, true));
  EXPECT_EQ(CaptionsThatDoNotFit(*Form), std::vector<std::string>{});
  EXPECT_EQ(ControlsThatOverlap(*Form), std::vector<std::string>{});
}

TEST_F(TCaptionsFit, LetterChoiceAboutAndErrorDialogs) {
  ChooseLetter->CreateLetterPanels();
  std::array<char, kMaxAlphabetSlots> alphabet{};
  for (size_t slot = 0; slot < alphabet.size(); ++slot) {
    alphabet[slot] = "WMQ\x8C\xC6\xDC\xD1"[slot % 7];
  }
  ChooseLetter->SetLetters("Tahoma", alphabet);
  EXPECT_EQ(CaptionsThatDoNotFit(*ChooseLetter), std::vector<std::string>{});

  TAboutForm about;
  about.SetProgram(kProgramName, kProgramVersion);
  EXPECT_EQ(CaptionsThatDoNotFit(about), std::vector<std::string>{});

  TErrorForm errors;
  errors.RecursionLabel->setText("Recursive attempts = 99999");
  EXPECT_EQ(CaptionsThatDoNotFit(errors), std::vector<std::string>{});
}

}  // namespace
