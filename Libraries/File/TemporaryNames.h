#pragma once
// The names of the temporary files that a save writes beside the file it
// replaces: "<name>.glyphmason-<writer>-<attempt>.tmp", where writer is the
// id of the process that writes it. A name too long for that suffix keeps as
// many of its first bytes as fit, followed by "~" and eight hexadecimal
// digits of a hash of the whole name, so the temporary name fits wherever
// the final one does and still tells which file it belongs to. The names are
// also how leftovers of interrupted saves are found again.

#include <cstddef>
#include <cstdint>
#include <string>

// The largest attempt number that a temporary name holds.
inline constexpr unsigned kMaxTemporaryAttempt = 99;

// The temporary name for the file name finalName (no folder), written by the
// process writer, in a folder whose names may be maxNameLength bytes long.
// The attempt is taken modulo one more than its largest value.
std::string TemporaryName(const std::string& finalName, uint32_t writer, unsigned attempt,
                          size_t maxNameLength);

// True when name is exactly the temporary name of finalName for some writer
// and attempt, with writer set to it; false for any other name, a name of
// another file that shares a prefix with finalName included.
bool IsTemporaryNameOf(const std::string& name, const std::string& finalName, size_t maxNameLength,
                       uint32_t& writer);
