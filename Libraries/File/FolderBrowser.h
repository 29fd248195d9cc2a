#pragma once
// The folder browser: the user picks a folder. The program installs the
// window toolkit's browser at start; a test installs one that answers.

#include <string>

#include "Libraries/Seam/Seam.h"

class IFolderBrowser {
 public:
  virtual ~IFolderBrowser() = default;
  // Lets the user pick a folder below root (anywhere when empty), with the
  // title (none when empty). True and the folder's path when confirmed.
  virtual bool BrowseForFolder(const std::string& title, const std::string& root,
                               std::string& directory) = 0;
};
using FolderBrowserSeam = Seam::TSeam<IFolderBrowser>;

// True with the chosen folder in directory when the user confirms; false,
// with directory unchanged, on cancel or when no browser is installed.
bool BrowseForDirectory(const std::string& title, const std::string& root,
                        std::string& directory);
