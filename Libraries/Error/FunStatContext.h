#pragma once
// The function status context: how every fallible function reports where it
// failed and why. A function works on a local context and hands it to its
// caller through GlobalFunStat at its end (see FunctionScope.h).

#include <cstdint>
#include <string>

#include "Libraries/Error/FunStatus.h"

class TFunStatContext {
 public:
  TFunStatus Status = fsPerfect;
  // Raise context: where the status was recorded.
  std::string File;
  std::string Function;
  int32_t Line = 0;
  std::string Description;
  std::string Parameter1;
  std::string Parameter2;
  int32_t SystemErrorCode = 0;  // system error or failing COM result, 0 for none
  // Show context: where the error was shown.
  std::string ShowFile;
  std::string ShowFunction;
  int32_t ShowLine = 0;
  // User info: carried and printed, never set by the program itself.
  int32_t UserCode = 0;
  std::string UserText;
  int32_t UserInt = 0;
  double UserReal = 0.0;

  // Sets the status and clears the rest of the raise context; leaves the
  // show context and the user info alone.
  void Reset(TFunStatus status);
  void ClearUserInfo();
  // Marks the start of a function: fsBeginFunctionError at its file, name and line.
  void Begin(const std::string& file, const std::string& function, int32_t line);
  void SetStatus(const std::string& file, const std::string& function, int32_t line,
                 TFunStatus status, const std::string& description,
                 const std::string& parameter1, const std::string& parameter2,
                 int32_t systemErrorCode);
  void SetShowContext(const std::string& file, const std::string& function, int32_t line);
  bool Failed() const { return Status >= fsError; }

  // The structured report of this context, starting with a line break.
  std::string BuildReport() const;
  // Shows the error dialog with this context's report under the message.
  // False when no error dialog exists (a plain box says so instead), on
  // Cancel, or when showing fails.
  bool Show(const std::string& message, bool* okayNoErrors = nullptr) const;

  // The last resort for an exception that reached the event loop: shows
  // "Unhandled error.\r\n" with the message, then leaves GlobalFunStat Perfect.
  static void OnApplicationException(const std::string& exceptionMessage);
};

// The outcome of the most recently finished function, for its caller.
// Used only from the user-interface thread.
extern TFunStatContext GlobalFunStat;
