#include "Libraries/Error/FunctionScope.h"

#include <exception>

#include "Libraries/File/PathText.h"

TRaisedError::TRaisedError(const std::string& message, std::source_location where)
    : std::runtime_error(message),
      File(NameOfPath(where.file_name())),
      Line(static_cast<int32_t>(where.line())) {}

void Raise(const std::string& message, std::source_location where) {
  throw TRaisedError(message, where);
}

TFunScope::TFunScope(std::string function, std::source_location where)
    : Function(std::move(function)),
      File(where.file_name()),
      Line(static_cast<int32_t>(where.line())) {
  GlobalFunStat.Begin(File, Function, Line);
}

void TFunScope::Record(TFunStatus status, const std::string& description,
                       const std::string& parameter1, const std::string& parameter2,
                       int32_t systemErrorCode, std::source_location where) {
  Local.SetStatus(where.file_name(), Function, static_cast<int32_t>(where.line()), status,
                  description, parameter1, parameter2, systemErrorCode);
}

void TFunScope::Fail(const std::string& description, const std::string& parameter1,
                     const std::string& parameter2, int32_t systemErrorCode,
                     std::source_location where) {
  Record(fsError, description, parameter1, parameter2, systemErrorCode, where);
}

void TFunScope::Warn(const std::string& description, const std::string& parameter1,
                     const std::string& parameter2, int32_t systemErrorCode,
                     std::source_location where) {
  Record(fsWarning, description, parameter1, parameter2, systemErrorCode, where);
}

bool TFunScope::CalleeFailed() {
  if (!GlobalFunStat.Failed()) {
    return false;
  }
  Local = GlobalFunStat;
  return true;
}

void TFunScope::RecordCurrentException() {
  // The catch step reports at the function's own line: the place of the
  // raise, when known, goes into the parameters.
  try {
    throw;
  } catch (const TRaisedError& error) {
    Local.SetStatus(File, Function, Line, fsError,
                    std::string("Unhandled exception: ") + error.what(), error.File,
                    std::to_string(error.Line), 0);
  } catch (const std::exception& error) {
    Local.SetStatus(File, Function, Line, fsError,
                    std::string("Unhandled exception: ") + error.what(), "", "0", 0);
  } catch (...) {
    Local.SetStatus(File, Function, Line, fsError, "Unhandled generic exception.", "", "0", 0);
  }
}

void TFunScope::HandBack() { GlobalFunStat = Local; }

void TFunScope::ShowAndReset(const std::string& message) {
  if (Local.Failed()) {
    const TFunStatContext raised = Local;
    Local.SetShowContext(File, "", Line);
    Local.Show(message);
    if (!Local.Failed()) {
      Local = raised;
    }
  }
  Local.Reset(fsPerfect);
  HandBack();
}

void TFunScope::ShowAndPassOn(const std::string& message) {
  if (Local.Failed()) {
    Local.SetShowContext(File, "", Line);
    Local.Show(message);
  }
  HandBack();
}
