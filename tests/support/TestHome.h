#pragma once
// A temporary folder that stands in for the user's home: the desktop, the
// applications menu, the autostart and program folders and the uninstall
// entries all lie below it while the object lives, and the instance lock is
// private to it.

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/TestFolders.h"

class TTestHome : public TTempFolder {
 public:
  TTestHome() { Os::SetHomeForTesting(Path()); }
  ~TTestHome() { Os::SetHomeForTesting(""); }
};
