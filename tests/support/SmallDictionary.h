#pragma once
// The small English dictionary of the game tests, written into a program
// folder: eleven letters A C E I L N O R S T X and a short words list.

#include <string>

#include "support/TestFolders.h"

void WriteSmallDictionary(const TTempFolder& program,
                          const std::string& words = "CAT\r\nCATS\r\nTAX\r\nAXE\r\nNOSE\r\n");
