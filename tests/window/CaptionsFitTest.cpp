// Every caption of the program's windows fits its control in the fonts the
// program gets on this machine, with the longest texts the game writes into
// its labels, in each of the program's languages.

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Error/ui/ErrorForm.h"
#include "Libraries/Program/ProgramIdentity.h"
#include "game/Game.h"
#include "game/Scoring.h"
#include "lexicon/WordsList.h"
#include "persistence/Records.h"
#include "support/ui/CaptionFit.h"
#include "support/ui/TestLanguage.h"
#include "support/ui/WindowFixture.h"
#include "window/GameOverForm.h"
#include "window/RecordsForm.h"

namespace {

// The language comes first, so that the window is made in it.
class TCaptionsFit : public TTestLanguage,
                     public TWindowTest,
                     public ::testing::WithParamInterface<const char*> {
 protected:
  TCaptionsFit() : TTestLanguage(GetParam()) {}
};

TEST_P(TCaptionsFit, MainWindowWithTheWidestLettersAndLabelTexts) {
  Form->ColumnsCountComboBox->setCurrentText("30");
  Form->RowsCountComboBox->setCurrentText("30");
  StartGame("WMWMWMW");
  Form->Game.LetterChangesCount = 45;
  Form->Game.ShowLetterChanges();
  Form->SetLetterScoreLabel(LetterScoreText(Form->Game.Letters, 'W'));
  Form->SetScoreLabel(ScoreText(99999, 999));
  Form->SetValidWordLabel(WordCheckText("WHOM", false));
  Form->SetWordsCountLabel(WordsCountText(355606, true));
  EXPECT_EQ(CaptionsThatDoNotFit(*Form), std::vector<std::string>{});
  EXPECT_EQ(ControlsThatOverlap(*Form), std::vector<std::string>{});
  Form->ShowPlayState(TPlayState::StockMakesNoWord);
  EXPECT_EQ(CaptionsThatDoNotFit(*Form), std::vector<std::string>{});
  EXPECT_EQ(ControlsThatOverlap(*Form), std::vector<std::string>{});
}

TEST_P(TCaptionsFit, LetterChoiceAboutAndErrorDialogs) {
  ChooseLetter->CreateLetterPanels();
  std::array<char, kMaxAlphabetSlots> alphabet{};
  for (size_t slot = 0; slot < alphabet.size(); ++slot) {
    alphabet[slot] = "WMQ\x8C\xC6\xDC\xD1"[slot % 7];
  }
  ChooseLetter->SetLetters("Tahoma", alphabet);
  EXPECT_EQ(CaptionsThatDoNotFit(*ChooseLetter), std::vector<std::string>{});

  TAboutForm about;
  about.SetProgram(kProgramName, ProgramVersionText());
  EXPECT_EQ(CaptionsThatDoNotFit(about), std::vector<std::string>{});

  TErrorForm errors;
  errors.RecursionLabel->setText(
      QCoreApplication::translate("TErrorForm", "Recursive attempts = %1").arg(99999));
  EXPECT_EQ(CaptionsThatDoNotFit(errors), std::vector<std::string>{});
}

TEST_P(TCaptionsFit, SummaryAndRecordsWithTheLongestFigures) {
  TGameOverForm summary(nullptr);
  TSummaryFacts facts;
  facts.FinalScore = 99999;
  facts.Figures.Turns.assign(200, {99, 99, 7, "WMWMWMWMWMWMWMWMWMWMWMWMWMWMWM"});
  facts.Figures.SuggestionsUsed = 999;
  facts.Figures.UndosUsed = 999;
  facts.LetterChangesUsed = 45;
  for (const auto kind : {TRecordOutcome::UnknownWordAndSuggestion, TRecordOutcome::Undone}) {
    facts.Outcome = {kind, 0, "", "", "Suggest word was used and an unknown word committed"};
    summary.Show(facts);
    EXPECT_EQ(CaptionsThatDoNotFit(summary), std::vector<std::string>{});
  }
  facts.Outcome = {TRecordOutcome::Entered, 10, "Wwwwwwwwwwwwwwwwwwwwwwww.gmd 30 x 30",
                   "GlyphmasonRecords-unreadable-100.ini", ""};
  summary.Show(facts);
  EXPECT_EQ(CaptionsThatDoNotFit(summary), std::vector<std::string>{});

  TRecordsForm table(nullptr);
  table.Show({}, "Wwwwwwwwwwwwwwwwwwwwwwww.gmd 30 x 30");
  EXPECT_EQ(CaptionsThatDoNotFit(table), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(InEveryLanguage, TCaptionsFit, ::testing::ValuesIn(kTestedLanguages),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
