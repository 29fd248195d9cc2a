#pragma once
// The names of game files: what the load commands take, and what a save
// adds so that the name is taken again.

#include <string>

// True when the file name ends in ".gmg", in any letter case.
bool HasGameExtension(const std::string& path);

// A saved game always ends in the game files' extension, so that the load
// dialog lists it and Ctrl+Z reads it again: a name without it ("game1",
// "Mr. Smith", "notes.txt") gets it, a name typed with a final dot
// ("game1.") in that dot's place.
std::string WithGameExtension(const std::string& path);
