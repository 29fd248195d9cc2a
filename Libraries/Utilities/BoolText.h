#pragma once
#include <string>

// Booleans as the settings files store them.
std::string BoolToText(bool value);  // "TRUE" or "FALSE"
// True exactly for "TRUE": "true", "True" and "TRUE " are false.
bool TextToBool(const std::string& text);
