#include "Libraries/Utilities/BoolText.h"

std::string BoolToText(bool value) { return value ? "TRUE" : "FALSE"; }

bool TextToBool(const std::string& text) { return text == "TRUE"; }
