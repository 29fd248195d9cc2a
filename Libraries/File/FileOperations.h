#pragma once
// Questions and small changes about files on the disk. None of them fail:
// a path that cannot be examined simply does not exist or stays as it is.

#include <string>

// False for empty text; otherwise whether the path exists (file or directory).
bool FileExists(const std::string& path);

// True when the path exists and its owner may not write it.
bool IsReadOnly(const std::string& path);

// When the path can be examined and is read-only, makes it writable for its
// owner again (its other permissions stay). A symbolic link is left alone:
// its target is never changed. Failures are ignored.
void ClearReadOnly(const std::string& path);

// What keeps the path from being read as a file: empty for a regular file,
// or for a path that does not exist; else what the path names instead, as
// "The path names a folder, not a file." (or a pipe, a device, a socket).
std::string FileKindProblem(const std::string& path);
