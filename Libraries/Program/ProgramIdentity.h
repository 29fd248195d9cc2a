#pragma once
// The program's name, title and version, as the windows, the installer and
// the instance guard use them.

inline constexpr const char* kProgramName = "Glyphmason";
inline constexpr const char* kProgramTitle = "Glyphmason";
inline constexpr const char* kProgramVersion = "Version 2.5.2, released on 06.01.2006";
