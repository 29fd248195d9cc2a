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

  // The messages of the reports shown, in order: one comparison checks how
  // many were shown and what each said.
  std::vector<std::string> Messages() const {
    std::vector<std::string> messages;
    for (const TShownError& shown : Shown) {
      messages.push_back(shown.Message);
    }
    return messages;
  }

  std::vector<TShownError> Shown;

 private:
  ErrorDialogSeam::TScoped Scope;
};
