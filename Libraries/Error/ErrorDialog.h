#pragma once
// The error dialog as the status contexts see it. The program installs its
// error window here at start; a test installs a recorder and reads every
// report that would have been shown.

#include <cstdint>
#include <string>

#include "Libraries/Seam/Seam.h"

class IErrorDialog {
 public:
  virtual ~IErrorDialog() = default;
  // Shows one report and waits for the user, or only counts it while the
  // dialog is already up. okayNoErrors (may be null) tells whether
  // "Okay (no errors)" closed it. True for Okay, Okay (no errors) and a
  // counted report; false for Cancel or a closed window. The caption comes
  // in the player's language; the message comes in English, marked for
  // translation in the context "TErrorForm": the dialog shows it translated
  // and logs it in English.
  virtual bool ShowError(const std::string& caption, const std::string& message,
                         bool* okayNoErrors, const std::string& report) = 0;
  // 0 while the dialog is not up, then 1 plus the reports counted meanwhile.
  virtual int32_t RecursionCount() const = 0;
};

using ErrorDialogSeam = Seam::TSeam<IErrorDialog>;
