#pragma once
// Reading and writing a file as one block of bytes.

#include <string>

// The file's bytes as they are. Throws TRaisedError ("Failed to read file.")
// when the file cannot be opened or read, so that the caller's status context
// reports it.
std::string ReadWholeFile(const std::string& path);

// Replaces the file with the bytes in one step: writes a temporary file in
// the same folder, then renames it over the old one, so that a failed or
// interrupted write leaves the previous file as it was. False on failure,
// with the last system error telling why; the temporary file is removed.
bool ReplaceFileAtomically(const std::string& path, const std::string& bytes);
