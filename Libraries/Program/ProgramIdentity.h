#pragma once
// The program's name, title and version, as the windows, the installer and
// the instance guard use them.

#include <string>

inline constexpr const char* kProgramName = "Glyphmason";
inline constexpr const char* kProgramTitle = "Glyphmason";
inline constexpr const char* kProgramVersionNumber = "2.5.2";
inline constexpr const char* kProgramReleaseDate = "06.01.2006";

// "Version 2.5.2, released on 06.01.2006" in the player's language, as the
// About dialog and the installer show it.
std::string ProgramVersionText();
