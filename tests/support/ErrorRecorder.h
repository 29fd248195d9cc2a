#pragma once
// Stands in for the error dialog in tests: records every report that would
// have been shown, without a modal loop. Installed for the life of the object.

#include <string>
#include <vector>

#include "Libraries/Error/ErrorDialog.h"

struct TShownError {
  std::string Caption;
  std::string Message;
  std::string Report;
};

class TErrorRecorder : public IErrorDialog {
 public:
  TErrorRecorder() : Scope(this) {}

  bool ShowError(const std::string& caption, const std::string& message, bool* okayNoErrors,
                 const std::string& report) override {
    Shown.push_back({caption, message, report});
    if (okayNoErrors != nullptr) {
      *okayNoErrors = false;
    }
    return true;
  }
  int32_t RecursionCount() const override { return 0; }

  std::vector<TShownError> Shown;

 private:
  ErrorDialogSeam::TScoped Scope;
};
