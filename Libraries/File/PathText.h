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

// The path without its extension: the text from the last dot on is dropped
// when that dot lies in the name part (after the last separator).
std::string PathWithoutExtension(const std::string& path);

// True for a path that stays below the folder it is appended to: not empty,
// not absolute, no drive, and no part that is "..". Backslashes count as
// separators here too, so that a name written on Windows cannot climb out.
bool IsContainedRelativePath(const std::string& path);
// True for a plain file name: not empty, no separator of either kind, no
// drive, and neither "." nor "..".
bool IsPlainFileName(const std::string& name);

// A relative path written on Windows in this system's form: every backslash
// becomes the separator ("Sub\\Words" gives "Sub/Words").
std::string WithSystemSeparators(const std::string& relativePath);
