#pragma once
// The user's system folders by the identifiers the program's callers use.

#include <cstdint>
#include <string>

inline constexpr int32_t kFolderPrograms = 2;       // the applications menu
inline constexpr int32_t kFolderStartup = 7;        // entries started at log-in
inline constexpr int32_t kFolderDesktop = 16;       // the user's desktop folder
inline constexpr int32_t kFolderProgramFiles = 38;  // default parent of installations

// The folder's path with a trailing separator; the folder is made when it
// is missing. Empty for an unknown identifier.
std::string GetSystemDirectoryPath(int32_t folder);
