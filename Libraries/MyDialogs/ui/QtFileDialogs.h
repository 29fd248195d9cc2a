#pragma once
// The toolkit's file open and save dialogs.

#include "Libraries/MyDialogs/FileDialogs.h"

class TQtFileDialogs : public IFileDialogs {
 public:
  bool Execute(TFileDialogKind kind, const std::string& filter, std::string& fileName) override;
};
