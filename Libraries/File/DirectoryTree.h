#pragma once
// Copying and deleting whole directory trees. Symbolic links inside a tree
// are never followed: a link is copied or removed as a link, so neither
// operation reaches outside the tree. Both report through GlobalFunStat.

#include <functional>
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
// directory.". Files named in keepExistingNames directly in destination
// are kept when they exist already.
// This layer shows nothing: each failing level asks the caller, through
// askOnFailure (when given), with the text "Failed to process directory." in the
// player's language.
using TCopyFailureQuestion = std::function<void(const std::string& text)>;
void CopyDeleteDirectory(const std::string& source, const std::string& destination,
                         const std::vector<std::string>& keepExistingNames = {},
                         const TCopyFailureQuestion& askOnFailure = {});
