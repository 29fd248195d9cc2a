#pragma once
// Copying and deleting whole directory trees. Symbolic links inside a tree
// are never followed: a link is copied or removed as a link, so neither
// operation reaches outside the tree. Both report through GlobalFunStat.

#include <string>
#include <vector>

// Deletes the directory with everything in it, as far as it can: a file or
// folder that cannot be removed is left and the rest still goes. A directory
// that cannot be opened records "Can not find directory.", a failing scan
// "Failed to delete directory content."; removing the directory itself is
// tried either way. A directory that is a symbolic link loses the link only.
void DeleteDirectoryNoErrors(const std::string& directory);

// Copies the tree below source into destination, which is made (with its
// parents) when missing; an existing one is fine. Existing files are
// replaced, even read-only ones; files whose names begin with "." are hidden
// and left out, as are pipes, sockets and devices. Single files that fail to
// copy are passed over silently. Fails with "Empty destination name.",
// "Failed to create directory.", "Failed to find first file." or, for a
// destination inside the source, "Destination lies inside the source
// directory."; each failing level also shows the plain box "Failed to
// process directory.". A file named keepExistingName directly in
// destination is kept when it exists already.
void CopyDeleteDirectory(const std::string& source, const std::string& destination,
                         const std::string& keepExistingName = {});
// The same, keeping every file of these names directly in destination.
void CopyDeleteDirectoryKeeping(const std::string& source, const std::string& destination,
                                const std::vector<std::string>& keepExistingNames);
