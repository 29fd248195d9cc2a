#include "Libraries/Error/FunStatContext.h"

#include <cstdio>

#include "Libraries/Error/ErrorDialog.h"
#include "Libraries/File/PathText.h"
#include "Libraries/MyDialogs/MyDialogs.h"
#include "Libraries/MyTime/MyTime.h"
#include "Libraries/OperatingSystem/OperatingSystem.h"
#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/Translation.h"

TFunStatContext GlobalFunStat;

std::string StatusText(TFunStatus status) {
  switch (status) {
    case fsPerfect:
      return "Perfect";
    case fsWarning:
      return "Warning";
    // The failing ones title the error dialog, which shows them translated.
    case fsError:
      //: Title of the error dialog
      return TranslatableText("TErrorForm", "Error");
    case fsBeginFunctionError:
      //: Title of the error dialog
      return TranslatableText("TErrorForm", "Begin function error");
    case fsPanic:
      //: Title of the error dialog
      return TranslatableText("TErrorForm", "Panic");
    case fsCatastrophe:
      //: Title of the error dialog
      return TranslatableText("TErrorForm", "Catastrophe");
    default:
      //: Title of the error dialog
      return TranslatableText("TErrorForm", "Unknown function status");
  }
}

void TFunStatContext::Reset(TFunStatus status) {
  Status = status;
  File.clear();
  Function.clear();
  Line = 0;
  Description.clear();
  Parameter1.clear();
  Parameter2.clear();
  SystemErrorCode = 0;
}

void TFunStatContext::ClearUserInfo() {
  UserCode = 0;
  UserText.clear();
  UserInt = 0;
  UserReal = 0.0;
}

void TFunStatContext::Begin(const std::string& file, const std::string& function, int32_t line) {
  Reset(fsBeginFunctionError);
  File = file;
  Function = function;
  Line = line;
}

void TFunStatContext::SetStatus(const std::string& file, const std::string& function, int32_t line,
                                TFunStatus status, const std::string& description,
                                const std::string& parameter1, const std::string& parameter2,
                                int32_t systemErrorCode) {
  Status = status;
  File = file;
  Function = function;
  Line = line;
  Description = description;
  Parameter1 = parameter1;
  Parameter2 = parameter2;
  SystemErrorCode = systemErrorCode;
}

void TFunStatContext::SetShowContext(const std::string& file, const std::string& function,
                                     int32_t line) {
  ShowFile = file;
  ShowFunction = function;
  ShowLine = line;
}

namespace {

// The shortest general form with 15 significant digits: "0" for zero.
std::string GeneralNumberText(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.15G", value);
  return buffer;
}

int32_t CurrentRecursionCount() {
  const IErrorDialog* dialog = ErrorDialogSeam::Current();
  return dialog == nullptr ? 0 : dialog->RecursionCount();
}

}  // namespace

std::string TFunStatContext::BuildReport() const {
  std::string report;
  // Whatever is built when a step fails is returned as it stands.
  try {
    report += "\r\nRAISE CONTEXT\r\n* Status: " + StatusText(Status);
    if (Status == fsCatastrophe) {
      report += ": CATASTROPHIC FAILURE!!! It is highly recommended to terminate the program "
                "immediately!";
    }
    report += "\r\n* File: \"" + NameOfPath(File) + "\"\r\n* Function: \"" + Function +
              "\"\r\n* Line: " + std::to_string(Line);
    report += "\r\n* Description: \"" + Description + "\"";
    if (!Parameter1.empty()) {
      report += "\r\n* Parameter 1: \"" + Parameter1 + "\"";
    }
    if (!Parameter2.empty()) {
      report += "\r\n* Parameter 2: \"" + Parameter2 + "\"";
    }
    if (SystemErrorCode != 0) {
      report += "\r\n* System error code: " + std::to_string(SystemErrorCode);
      report += "\r\n* System error description: \"" + Os::SystemErrorMessage(SystemErrorCode) +
                "\"";
    }
    report += "\r\n\r\nSHOW CONTEXT\r\n* File: \"" + NameOfPath(ShowFile) + "\"\r\n* Function: \"" +
              ShowFunction + "\"\r\n* Line: " + std::to_string(ShowLine);
    report += "\r\n\r\nINFO\r\n* Time: " + DateTimeText(" | ", Now());
    report += "\r\n* Program: " + GetProgramPath();
    report += "\r\n* Recursive attempts: " + std::to_string(CurrentRecursionCount());
    report += "\r\n\r\nUSER INFO\r\n* UserCode: " + std::to_string(UserCode) +
              "\r\n* UserText: " + UserText + "\r\n* UserInt: " + std::to_string(UserInt) +
              "\r\n* UserReal: " + GeneralNumberText(UserReal);
  } catch (...) {
  }
  return report;
}

bool TFunStatContext::Show(const std::string& message, bool* okayNoErrors) const {
  try {
    IErrorDialog* dialog = ErrorDialogSeam::Current();
    if (dialog == nullptr) {
      if (okayNoErrors != nullptr) {
        *okayNoErrors = false;
      }
      ShowDialogBox(
          Translated("MyDialogs", "Error"),
          Translated("FunStatContext", "The error-dialog form is not created. You must create it."),
          kMbOk);
      return false;
    }
    // The report stays English: it is what the error log keeps.
    return dialog->ShowError(Translated("TErrorForm", StatusText(Status).c_str()), message,
                             okayNoErrors, BuildReport());
  } catch (...) {
    return false;
  }
}

void TFunStatContext::OnApplicationException(const std::string& exceptionMessage) {
  const std::string description = "Unhandled error.\r\n" + exceptionMessage;
  const char* function = "TFunStatContext::OnApplicationException";
  GlobalFunStat.SetStatus(__FILE__, function, __LINE__, fsError, description, "", "",
                          Os::LastError());
  GlobalFunStat.SetShowContext(__FILE__, function, __LINE__);
  GlobalFunStat.Show(description);
  GlobalFunStat.Reset(fsPerfect);
}
