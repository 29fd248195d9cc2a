#include "Libraries/Text/Text.h"

std::string ReverseText(const std::string& text) { return std::string(text.rbegin(), text.rend()); }
