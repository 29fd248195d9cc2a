#pragma once
// Questions and small changes about files on the disk. None of them fail:
// a path that cannot be examined simply does not exist or stays as it is.

#include <string>

// False for empty text; otherwise whether the path exists (file or directory).
bool FileExists(const std::string& path);

// True when the path exists and its owner may not write it.
bool IsReadOnly(const std::string& path);

// When the path can be examined and is read-only, makes it writable for its
// owner again (its other permissions stay). Failures are ignored.
void ClearReadOnly(const std::string& path);
