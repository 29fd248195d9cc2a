#include "Libraries/File/ui/QtFolderBrowser.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"

bool TQtFolderBrowser::BrowseForFolder(const std::string& title, const std::string& root,
                                       std::string& directory) {
  // Paths are the file system's own bytes; titles are program text.
  const QString chosen =
      QFileDialog::getExistingDirectory(DialogParent(), ToQString(title), PathToQString(root));
  if (chosen.isEmpty()) {
    return false;
  }
  directory = PathFromQString(chosen);
  return true;
}
