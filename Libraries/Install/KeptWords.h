#pragma once
// Words the player added to an installed words list survive a reinstall:
// the new version's list comes in, and the player's words are put back at
// its end.
//
// A words list is a file that a dictionary (".gmd") of the dictionaries
// folder names as its list (key WordsListName of section Main, else the
// dictionary's own name), so copyright notices and read-mes are never
// merged. Every install records each shipped list as it came, in a hidden
// file beside it ("English.txt" gets ".English.txt.shipped"); the player's
// words are then the installed list's words that this record lacks, so a
// word that a new version removed stays removed. A list without a record
// (installed by an older installer) keeps all its words that the new list
// lacks, since losing the player's words is worse than keeping a removed
// one. No list, dictionary or record is read through a link that leads out
// of the program folder, and none larger than a words list the game itself
// reads (128 MB).

#include <map>
#include <string>

// The new list with every word of the old list that the new one lacks
// appended, each followed by a carriage return and a line feed. Words are
// lines (ended by CR, LF or CR LF) of Windows-1252 text, compared without
// regard to case; empty lines are no words, and a word is appended once. A
// list that holds a byte 0 is no plain words list: the new list is then
// returned unchanged.
std::string MergeAddedWords(const std::string& oldList, const std::string& newList);

// The player's words of each words list, by the list's path below the
// dictionaries folder; lists without such words are left out.
using TAddedWords = std::map<std::string, std::string>;

// Before a reinstall: the words the player added to the words lists of the
// program folder (see above). Lists that cannot be read, lie out of the
// program folder or hold a byte 0 are left out; nothing is changed.
TAddedWords CollectAddedWords(const std::string& programFolder);

// After the new program folder was copied over programFolder: puts the
// added words back into each list (MergeAddedWords), then records every
// words list that sourceFolder (the folder installed from) ships. A passing
// function: a list that cannot be read or written back fails ("Failed to
// write file."), after the other lists were still merged. A record that
// cannot be written is removed, so the next reinstall keeps all words.
void KeepAddedWords(const std::string& programFolder, const std::string& sourceFolder,
                    const TAddedWords& added);
