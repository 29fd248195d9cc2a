#include "Libraries/Program/HelpSystem.h"

namespace {
std::string& HelpFile() {
  static std::string path;
  return path;
}
}  // namespace

void SetApplicationHelpFile(const std::string& path) { HelpFile() = path; }

const std::string& ApplicationHelpFile() { return HelpFile(); }

void ShowApplicationHelp(int32_t context) {
  if (IHelpViewer* viewer = HelpViewerSeam::Current()) {
    viewer->ShowHelpContext(HelpFile(), context);
  }
}
