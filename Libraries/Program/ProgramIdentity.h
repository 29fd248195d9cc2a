#pragma once
// The program's name, title and version, as the windows, the installer and
// the instance guard use them.

#include "Libraries/Text/Translation.h"

inline constexpr const char* kProgramName = "Glyphmason";
inline constexpr const char* kProgramTitle = "Glyphmason";
// Shown in the About dialog and the installer, which translate it.
inline constexpr const char* kProgramVersion =
    TranslatableText("ProgramIdentity", "Version 2.5.2, released on 06.01.2006");
