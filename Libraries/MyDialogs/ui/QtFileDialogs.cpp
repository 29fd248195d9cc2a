#include "Libraries/MyDialogs/ui/QtFileDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

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
}  // namespace

bool TQtFileDialogs::Execute(TFileDialogKind kind, const std::string& filter,
                             std::string& fileName) {
  QFileDialog dialog(QApplication::activeWindow());
  dialog.setNameFilter(ToolkitFilter(filter));
  // The save dialog asks nothing itself: the game list asks before overwriting.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  dialog.setAcceptMode(kind == TFileDialogKind::Save ? QFileDialog::AcceptSave
                                                     : QFileDialog::AcceptOpen);
  dialog.setFileMode(kind == TFileDialogKind::Save ? QFileDialog::AnyFile
                                                   : QFileDialog::ExistingFile);
  const QFileInfo offered(PathToQString(fileName));
  dialog.setDirectory(offered.absolutePath());
  if (!offered.fileName().contains('*')) {
    dialog.selectFile(offered.fileName());
  }
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return false;
  }
  fileName = PathFromQString(dialog.selectedFiles().first());
  return true;
}
