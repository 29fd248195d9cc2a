#pragma once
// The file open and save dialogs as the program sees them. The windows
// install the toolkit's dialogs; a test installs an answerer that picks the
// file (or cancels) and reads what was offered.

#include <string>

#include "Libraries/Seam/Seam.h"

enum class TFileDialogKind { Open, Save };

class IFileDialogs {
 public:
  virtual ~IFileDialogs() = default;
  // Shows the dialog with the filter ("Description (*.ext)|*.ext") and the
  // file name offered (which may be a pattern such as "/games/*.gmg").
  // True and the chosen path in fileName when the user confirms; false and
  // fileName unchanged on cancel.
  virtual bool Execute(TFileDialogKind kind, const std::string& filter,
                       std::string& fileName) = 0;
};
using FileDialogsSeam = Seam::TSeam<IFileDialogs>;

// A file dialog of the program: remembers its filter and the file name it
// offers, as the window's dialog controls do. Without installed dialogs it
// behaves as cancelled.
class TFileDialog {
 public:
  TFileDialog(TFileDialogKind kind, std::string filter) : Kind(kind), Filter(std::move(filter)) {}
  bool Execute();
  std::string FileName;
  const std::string& FilterText() const { return Filter; }

 private:
  TFileDialogKind Kind;
  std::string Filter;
};
