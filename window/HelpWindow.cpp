#include "window/HelpWindow.h"

#include <QTextBrowser>
#include <QVBoxLayout>

#include "Libraries/File/WholeFile.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/Text/ui/QtText.h"

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("HelpWindow");
  setWindowTitle("Glyphmason Help");
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
    ShowWarningDialog("Cannot open the help file \"" + helpFile + "\".");
    return;
  }
  Browser->setHtml(ToQString(text));
  Browser->scrollToAnchor("topic-" + QString::number(context));
  show();
  raise();
  activateWindow();
}
