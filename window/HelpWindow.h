#pragma once
// The help system: a window that shows the help file (HTML text whose topics
// are anchors named "topic-<context number>") opened at a topic.

#include <QDialog>

#include "Libraries/Program/HelpSystem.h"

class QTextBrowser;

class THelpWindow : public QDialog, public IHelpViewer {
  Q_OBJECT

 public:
  explicit THelpWindow(QWidget* parent = nullptr);
  ~THelpWindow() override;

  // Shows the file at the topic; a missing or unreadable file is reported in
  // a warning box and nothing is shown.
  void ShowHelpContext(const std::string& helpFile, int32_t context) override;

  QTextBrowser* Browser = nullptr;
};
