#pragma once
// Words the player added to an installed words list survive a reinstall:
// the new version's list comes in, and the words that only the old one held
// are put back at its end.

#include <map>
#include <string>

// The new list with every word of the old list that the new one lacks
// appended, each followed by a carriage return and a line feed. Words are
// lines (ended by CR, LF or CR LF) of Windows-1252 text, compared without
// regard to case; empty lines are no words, and a word is appended once. A
// list that holds a byte 0 is no plain words list: the new list is then
// returned unchanged.
std::string MergeAddedWords(const std::string& oldList, const std::string& newList);

// The words lists (files ending in ".txt") directly in the folder, by name,
// with their bytes; lists that cannot be read are left out.
std::map<std::string, std::string> ReadWordsLists(const std::string& folder);

// After the folder's lists were replaced: puts back into each list of the
// folder the words that its old version (by name, from ReadWordsLists) held
// and the new one lacks. A list that is gone or cannot be written stays as
// it is.
void KeepAddedWords(const std::string& folder, const std::map<std::string, std::string>& oldLists);
