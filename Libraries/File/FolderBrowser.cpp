#include "Libraries/File/FolderBrowser.h"

bool BrowseForDirectory(const std::string& title, const std::string& root,
                        std::string& directory) {
  IFolderBrowser* browser = FolderBrowserSeam::Current();
  std::string chosen;
  if (browser == nullptr || !browser->BrowseForFolder(title, root, chosen) || chosen.empty()) {
    return false;
  }
  directory = chosen;
  return true;
}
