#include "Libraries/MyDialogs/FileDialogs.h"

bool TFileDialog::Execute() {
  IFileDialogs* dialogs = FileDialogsSeam::Current();
  return dialogs != nullptr && dialogs->Execute(Kind, Filter, FileName);
}
