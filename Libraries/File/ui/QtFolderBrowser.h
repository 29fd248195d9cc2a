#pragma once
// The window toolkit's folder browser.

#include "Libraries/File/FolderBrowser.h"

class TQtFolderBrowser : public IFolderBrowser {
 public:
  bool BrowseForFolder(const std::string& title, const std::string& root,
                       std::string& directory) override;
};
