#pragma once
// The help system behind the Help buttons: the application's help file and
// the viewer that opens it at a topic. The main window installs its viewer;
// without one, asking for help does nothing.

#include <cstdint>
#include <string>

#include "Libraries/Seam/Seam.h"

class IHelpViewer {
 public:
  virtual ~IHelpViewer() = default;
  // Opens the help file at the topic with that context number.
  virtual void ShowHelpContext(const std::string& helpFile, int32_t context) = 0;
};
using HelpViewerSeam = Seam::TSeam<IHelpViewer>;

void SetApplicationHelpFile(const std::string& path);
const std::string& ApplicationHelpFile();
// Opens the application's help file at the topic, through the installed viewer.
void ShowApplicationHelp(int32_t context);
