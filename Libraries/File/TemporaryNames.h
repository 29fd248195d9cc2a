#pragma once
// The names of the temporary files that a save writes beside the file it
// replaces: "<name>.tmp<stamp>-<attempt>". A name too long for that suffix
// gives up as many of its last bytes as the suffix needs, so the temporary
// name is never longer than the final one. The names are also how leftovers
// of interrupted saves are found again.

#include <cstddef>
#include <cstdint>
#include <string>

// The largest stamp and attempt numbers that a temporary name holds.
inline constexpr uint32_t kMaxTemporaryStamp = 99999;
inline constexpr unsigned kMaxTemporaryAttempt = 99;

// The temporary name for the file name finalName (no folder) in a folder
// whose names may be maxNameLength bytes long. The stamp and the attempt are
// taken modulo one more than their largest values.
std::string TemporaryName(const std::string& finalName, uint32_t stamp, unsigned attempt,
                          size_t maxNameLength);

// True when name is a temporary name of finalName, for any stamp and attempt.
bool IsTemporaryNameOf(const std::string& name, const std::string& finalName, size_t maxNameLength);
