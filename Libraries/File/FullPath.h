#pragma once
// Absolute forms of paths, and whether two paths name the same file.

#include <string>
#include <vector>

// This system has no short alias names, so the long name is the path itself.
std::string LongPathName(const std::string& path);
// Empty stays empty; otherwise the absolute form (relative to the current
// folder), with "." and ".." parts resolved in the text. Symbolic links are
// not followed; a trailing separator stays.
std::string FullLongPath(const std::string& path);
// As FullLongPath: network shares are mounted into the one tree here.
std::string FullNetworkPath(const std::string& path);
// True when both paths name one existing file (the same file-system object,
// whatever links or spellings lead there), or, when either does not exist,
// when their full forms are equal. Names differ by letter case here.
bool IsSameFile(const std::string& a, const std::string& b);

// The path with every link and "." or ".." part resolved; empty when it does
// not exist.
std::string CanonicalPath(const std::string& path);

// The file that replacing the file at path should write: path itself, unless
// it is a symbolic link; then the file the link leads to, but only when that
// lies inside one of the folders (their own links resolved). Empty for a
// link that leads elsewhere or to nothing.
std::string ResolveLinkWithin(const std::string& path, const std::vector<std::string>& folders);
