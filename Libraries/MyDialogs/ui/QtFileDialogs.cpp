#include "Libraries/MyDialogs/ui/QtFileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <optional>

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"

namespace {
// "Glyphmason game (*.gmg)|*.gmg" lists description and pattern pairs; the
// toolkit wants only the descriptions, which carry their patterns.
QString ToolkitFilter(const std::string& filter) {
  const QStringList parts = ToQString(filter).split('|');
  QStringList descriptions;
  for (qsizetype i = 0; i < parts.size(); i += 2) {
    descriptions << parts[i];
  }
  return descriptions.join(";;");
}

// True when the toolkit's text of the path leads back to the same bytes.
bool ToolkitCanName(const std::string& path) {
  return PathFromQString(PathToQString(path)) == path;
}

// The file a dialog offers, by its folder and its name. The toolkit names
// files by Unicode text and cannot reach a file whose name is no text in the
// system's encoding (an older system's "M\xfcller"): such a folder is shown
// through a stand-in path, and the offered name confirmed as it is shown
// comes back with its own bytes.
class TOfferedPath {
 public:
  explicit TOfferedPath(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos || ToolkitCanName(path)) {
      ShownFolder = QFileInfo(PathToQString(path)).absolutePath();
      Folder = PathFromQString(ShownFolder);
    } else {
      Folder = slash == 0 ? std::string("/") : path.substr(0, slash);
      StandIn.emplace(Folder);
      ShownFolder = QString::fromStdString(StandIn->Path());
      if (ShownFolder.isEmpty()) {
        ShownFolder = PathToQString(Folder);
      }
    }
    Name = slash == std::string::npos ? path : path.substr(slash + 1);
  }

  const QString& FolderForToolkit() const { return ShownFolder; }
  QString NameForToolkit() const { return PathToQString(Name); }
  bool ToolkitCanNameIt() const { return !StandIn.has_value(); }

  // The path of the file chosen in the dialog, in the system's encoding.
  std::string PathOf(const QString& chosen) const {
    const qsizetype slash = chosen.lastIndexOf('/');
    if (slash < 0 || QDir::cleanPath(chosen.left(slash)) != QDir::cleanPath(ShownFolder)) {
      return PathFromQString(chosen);
    }
    const std::string name =
        IsOfferedName(chosen.mid(slash + 1)) ? Name : PathFromQString(chosen.mid(slash + 1));
    return Folder.ends_with('/') ? Folder + name : Folder + "/" + name;
  }

 private:
  // The offered name as this program shows it, or as the dialog's own list
  // of the folder shows it.
  bool IsOfferedName(const QString& name) const {
    return name == PathToQString(Name) ||
           name == QFile::decodeName(QByteArray::fromStdString(Name));
  }

  std::string Folder;
  std::string Name;
  QString ShownFolder;
  std::optional<Os::TFolderStandIn> StandIn;
};
}  // namespace

bool TQtFileDialogs::Execute(TFileDialogKind kind, const std::string& filter,
                             std::string& fileName) {
  QFileDialog dialog(DialogParent());
  dialog.setNameFilter(ToolkitFilter(filter));
  // The save dialog asks nothing itself: the game list asks before overwriting.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setAcceptMode(kind == TFileDialogKind::Save ? QFileDialog::AcceptSave
                                                     : QFileDialog::AcceptOpen);
  const TOfferedPath offered(fileName);
  // The toolkit would look for a file it cannot name under another name and
  // refuse it as missing; the loader tells a missing file itself.
  const bool mustExist = kind == TFileDialogKind::Open && offered.ToolkitCanNameIt();
  dialog.setFileMode(mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  dialog.setDirectory(offered.FolderForToolkit());
  if (!offered.NameForToolkit().contains('*')) {
    dialog.selectFile(offered.NameForToolkit());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return false;
  }
  fileName = offered.PathOf(dialog.selectedFiles().first());
  return true;
}
