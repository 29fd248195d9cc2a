#pragma once
#include <string>

// The text with its characters in reverse order ("CAT" -> "TAC").
std::string ReverseText(const std::string& text);
