#pragma once
// The failure convention in two lines per function:
//
//   bool TThing::Load(const std::string& path) {
//     return PassingFunction("TThing::Load", [&](TFunScope& Fun) {
//       if (!Read(path) && Fun.CalleeFailed()) return false;
//       if (path.empty()) { Fun.Fail("No path given."); return false; }
//       return true;
//     });
//   }
//
// PassingFunction marks the start on GlobalFunStat, runs the body on a local
// context, turns any exception into status Error, and on every way out hands
// the local context to the caller through GlobalFunStat. ShowingFunction does
// the same for the top of a user action, shows a failure once in the error
// dialog with the function's own message, and leaves GlobalFunStat Perfect.
// That message is English, marked TranslatableText("TErrorForm", ...): the
// error dialog shows it in the player's language and logs it in English.

#include <cstdint>
#include <source_location>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>

#include "Libraries/Error/FunStatContext.h"

// An exception that knows the source file and line where it was raised; the
// catch step of a context reports them as its two parameters.
class TRaisedError : public std::runtime_error {
 public:
  explicit TRaisedError(const std::string& message,
                        std::source_location where = std::source_location::current());
  std::string File;
  int32_t Line;
};

[[noreturn]] void Raise(const std::string& message,
                        std::source_location where = std::source_location::current());

// The running context of one function.
class TFunScope {
 public:
  // Marks the start of the function on GlobalFunStat.
  TFunScope(std::string function, std::source_location where);

  TFunStatContext Local;

  // Records a failure (status Error) raised at the caller's line.
  void Fail(const std::string& description, const std::string& parameter1 = {},
            const std::string& parameter2 = {}, int32_t systemErrorCode = 0,
            std::source_location where = std::source_location::current());
  // Records a warning, which is not a failure and is never shown.
  void Warn(const std::string& description, const std::string& parameter1 = {},
            const std::string& parameter2 = {}, int32_t systemErrorCode = 0,
            std::source_location where = std::source_location::current());
  void Record(TFunStatus status, const std::string& description, const std::string& parameter1,
              const std::string& parameter2, int32_t systemErrorCode, std::source_location where);

  // To be asked after calling another fallible function: true when it failed,
  // and the callee's context then becomes this function's.
  bool CalleeFailed();
  bool Failed() const { return Local.Failed(); }

  // Inside a catch block: records the exception being handled as status Error.
  void RecordCurrentException();
  // GlobalFunStat := Local.
  void HandBack();
  // The end of a showing function: shows a failure with the message, then
  // leaves Local and GlobalFunStat Perfect.
  void ShowAndReset(const std::string& message);
  // Shows a failure with the message and hands it on unchanged.
  void ShowAndPassOn(const std::string& message);

  const std::string& FunctionName() const { return Function; }

 private:
  std::string Function;
  std::string File;
  int32_t Line;
};

namespace FunScopeDetail {
template <class Body>
auto RunBody(TFunScope& scope, Body& body) {
  using Result = std::invoke_result_t<Body&, TFunScope&>;
  if constexpr (std::is_void_v<Result>) {
    try {
      body(scope);
    } catch (...) {
      scope.RecordCurrentException();
    }
  } else {
    Result result{};
    try {
      result = body(scope);
    } catch (...) {
      scope.RecordCurrentException();
    }
    return result;
  }
}
}  // namespace FunScopeDetail

// Runs a passing function's body; returns what the body returns (a value
// initialised result after an exception).
template <class Body>
auto PassingFunction(std::string function, Body&& body,
                     std::source_location where = std::source_location::current()) {
  TFunScope scope(std::move(function), where);
  if constexpr (std::is_void_v<std::invoke_result_t<Body&, TFunScope&>>) {
    FunScopeDetail::RunBody(scope, body);
    scope.HandBack();
  } else {
    auto result = FunScopeDetail::RunBody(scope, body);
    scope.HandBack();
    return result;
  }
}

// Runs a showing function's body: a failure is shown with the message.
template <class Body>
auto ShowingFunction(std::string function, const std::string& message, Body&& body,
                     std::source_location where = std::source_location::current()) {
  TFunScope scope(std::move(function), where);
  if constexpr (std::is_void_v<std::invoke_result_t<Body&, TFunScope&>>) {
    FunScopeDetail::RunBody(scope, body);
    scope.ShowAndReset(message);
  } else {
    auto result = FunScopeDetail::RunBody(scope, body);
    scope.ShowAndReset(message);
    return result;
  }
}

// Runs the body of a function that shows its failure once with its own
// message, like a showing function, and then still hands the failed context
// to its caller, so that the caller can tell that something went wrong.
template <class Body>
auto ShowingPassingFunction(std::string function, const std::string& message, Body&& body,
                            std::source_location where = std::source_location::current()) {
  TFunScope scope(std::move(function), where);
  auto result = FunScopeDetail::RunBody(scope, body);
  scope.ShowAndPassOn(message);
  return result;
}
