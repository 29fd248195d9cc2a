#pragma once
#include <string>

// The text with its characters in reverse order ("CAT" -> "TAC").
std::string ReverseText(const std::string& text);

// The text without its carriage returns, for controls that break lines at
// line feeds alone.
std::string WithoutCarriageReturns(const std::string& text);
