#pragma once
// Renaming and copying single files, and making folders. The fallible ones
// report through GlobalFunStat (see FunctionScope.h).

#include <string>

// Renames (moves, also into another folder of the same file system) a file.
// With overwrite an existing file of the new name is replaced, even a
// read-only one, in one step: when the rename fails, that file is still
// there. A file renamed onto itself is left alone. Without overwrite an
// existing new name is never replaced and the rename fails.
// Fails with "Failed to rename." (old name, new name, system error).
void MyRenameFile(const std::string& oldName, const std::string& newName, bool overwrite);

// Copies the file's bytes and permissions over destination in one step (a
// temporary file beside it, then a rename), so that a reader sees the old or
// the new file, and a running program of that name keeps its old file.
// False on failure, with the last system error telling why.
bool CopyFileReplacing(const std::string& source, const std::string& destination);

// Makes the folder and any missing parents (like "mkdir -p"); true when the
// folder exists afterwards.
bool ForceDirectories(const std::string& folder);
