#pragma once
// Plain path texts: splitting a path into its directory and name and adding
// the directory separator. They only look at the text, never at the disk.

#include <string>

// This system's directory separator.
inline constexpr char kPathDelimiter = '/';

// Empty stays empty; otherwise the path with a trailing separator.
std::string IncludeSlashIfNotEmpty(const std::string& path);
// Everything up to and including the last separator; empty when there is none.
std::string DirectoryOfPath(const std::string& path);
// Everything after the last separator; the whole path when there is none.
std::string NameOfPath(const std::string& path);
