// The main window's About button and its words-list analysis.

#include "Libraries/AboutDialog/ui/AboutForm.h"
#include "Libraries/Error/FunctionScope.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/Utilities/ui/Utilities.h"
#include "dictionary/AnalysisReport.h"
#include "window/GlyphmasonForm.h"

void TGlyphmasonForm::AboutButtonClick() {
  if (AboutForm != nullptr) {
    AboutForm->Dialog();
  }
}

// Only reads the game: the report goes to the clipboard.
void TGlyphmasonForm::AnalyzeWordsListMenuClick() {
  ShowingFunction(
      "TGlyphmasonForm::AnalyzeWordsListMenuClick", "Failed to analyze words list.",
      [&](TFunScope&) {
        const std::string report = WordsListAnalysisReport(Game.WordsListLines, Game.Letters);
        if (report.empty()) {
          ShowWarningDialog("There is nothing to analyze.");
          return;
        }
        if (CopyTextToClipboard(report, "Failed to copy report to clipboard.", false, false)) {
          ShowMessageDialog("Analysis report was successfully copied to clipboard.");
        }
      });
}
