#pragma once
// A temporary folder that stands in for the user's home: the desktop, the
// applications menu, the autostart and program folders, the uninstall
// entries and the session's runtime folder all lie below it while the
// object lives.

#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "support/TestFolders.h"

class TTestHome : public TTempFolder {
 public:
  TTestHome() { Os::SetHomeForTesting(Path()); }
  ~TTestHome() { Os::SetHomeForTesting(""); }
};
