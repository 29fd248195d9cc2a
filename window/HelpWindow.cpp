#include "window/HelpWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "Libraries/File/WholeFile.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/Text/Translation.h"
#include "Libraries/Text/ui/QtText.h"

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("HelpWindow");
  //: Title of the help window; Glyphmason is the program's name
  setWindowTitle(tr("Glyphmason Help"));
  resize(640, 560);
  Browser = new QTextBrowser(this);
  Browser->setObjectName("HelpBrowser");
  Browser->setOpenExternalLinks(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Browser);
  HelpViewerSeam::Install(this);
}

THelpWindow::~THelpWindow() {
  if (HelpViewerSeam::Current() == this) {
    HelpViewerSeam::Install(nullptr);
  }
}

void THelpWindow::ShowHelpContext(const std::string& helpFile, int32_t context) {
  std::string text;
  try {
    text = ReadWholeFile(helpFile);
  } catch (...) {
    // Through the core's Translated: the warning takes the program's 8-bit
    // text, and the file's path passes into it byte for byte.
    //: Message box text; %1 is the help file's path
    ShowWarningDialog(FilledIn(Translated("THelpWindow", "Cannot open the help file \"%1\"."),
                               {helpFile}));
    return;
  }
  Browser->setHtml(ToQString(text));
  Browser->scrollToAnchor("topic-" + QString::number(context));
  show();
  raise();
  activateWindow();
}
