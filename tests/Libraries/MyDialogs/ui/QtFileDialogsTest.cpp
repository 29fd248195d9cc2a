// The toolkit's file dialogs, answered as a player does: the file offered
// confirmed with Return, or another name typed in its place.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>

#include "Libraries/MyDialogs/ui/QtFileDialogs.h"
#include "support/TestFolders.h"

namespace {

const std::string kGameFilter = "Glyphmason game (*.gmg)|*.gmg";

// Runs the dialog of that kind offering the path; the player types the name
// (unless empty) and confirms. The path the dialog gives back, or "cancelled".
std::string Confirm(TFileDialogKind kind, std::string path, const QString& typed = {}) {
  QTimer::singleShot(0, [typed] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    if (!typed.isEmpty()) {
      // Typed into the name field, which has the focus.
      QApplication::setActiveWindow(dialog);
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      name->setFocus();
      name->setText(typed);
    }
    // Return presses the dialog's default button.
    QMetaObject::invokeMethod(dialog, "accept");
    // A dialog that refuses the name stays up: the test fails, not hangs.
    QTimer::singleShot(1000, [] {
      for (int open = 0; open < 3 && QApplication::activeModalWidget() != nullptr; ++open) {
        QApplication::activeModalWidget()->close();
      }
    });
  });
  TQtFileDialogs dialogs;
  return dialogs.Execute(kind, kGameFilter, path) ? path : "cancelled";
}

TEST(FileDialogs, AGameNamedInEitherEncodingComesBackAndANewNameStaysInItsFolder) {
  // A folder and a game named in Latin-1 by an older system.
  TTempFolder temp;
  const std::string folder = temp.File("Spiele-M\xfcller");
  std::filesystem::create_directory(folder);
  const std::string game = temp.Write("Spiele-M\xfcller/caf\xe9.gmg", "[GlyphmasonGame]\r\n");
  EXPECT_EQ(Confirm(TFileDialogKind::Save, game), game);
  EXPECT_EQ(Confirm(TFileDialogKind::Save, game, "neu.gmg"), folder + "/neu.gmg");
  EXPECT_EQ(Confirm(TFileDialogKind::Open, game), game);
  // And one named in the system's encoding (UTF-8).
  const std::string utf8 = temp.Write("Über mine.gmg", "[GlyphmasonGame]\r\n");
  EXPECT_EQ(Confirm(TFileDialogKind::Open, utf8), utf8);
  EXPECT_EQ(Confirm(TFileDialogKind::Save, utf8, "other.gmg"), temp.File("other.gmg"));
}

}  // namespace
