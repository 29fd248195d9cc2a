#pragma once
// A showing function that also passes its failure on: like ShowingFunction it
// shows a failure once in the error dialog with its own message, but then it
// hands the failed context to the caller instead of leaving GlobalFunStat
// Perfect, so that the caller can tell that something went wrong.

#include <source_location>
#include <string>
#include <utility>

#include "Libraries/Error/FunctionScope.h"

template <class Body>
auto ShowingPassingFunction(std::string function, const std::string& message, Body&& body,
                            std::source_location where = std::source_location::current()) {
  TFunScope scope(std::move(function), where);
  auto result = FunScopeDetail::RunBody(scope, body);
  if (scope.Failed()) {
    scope.Local.SetShowContext(where.file_name(), "", static_cast<int32_t>(where.line()));
    scope.Local.Show(message);
  }
  scope.HandBack();
  return result;
}
