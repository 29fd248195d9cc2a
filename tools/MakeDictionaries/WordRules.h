#pragma once
// Turns the system's word lists (UTF-8, one word per line, as Debian's
// word-list packages install them) into the game's dictionaries: a words
// list in Windows-1252 capitals that the alphabet can spell, and a
// dictionary file that names the alphabet and lets the game compute the
// letter weights from the words list.

#include <optional>
#include <string>
#include <vector>

struct TLanguage {
  // The dictionary's name: "English" gives English.gmd, English.txt and
  // English-copyright.txt.
  std::string Name;
  // The word list in the system's dictionary folder, and its package.
  std::string SourceFile;
  std::string Package;
  // The letters in slot order, Windows-1252 capitals.
  std::string Alphabet;
  // Small letters (Windows-1252) that keep their accent; every other
  // accented letter is written as its plain letter(s).
  std::string KeptLetters;
  // German writes every noun with a capital initial: there a capital
  // initial tells nothing, elsewhere it marks a proper noun.
  bool CapitalInitialIsCommon = false;
};

// English (the default), German, French, Spanish, Italian and Dutch.
const std::vector<TLanguage>& Languages();

// The word as the game spells it, in capitals: accents dropped except the
// kept letters, ß as SS, æ as AE, œ as OE. Nothing for a word with anything
// but letters (apostrophes, digits, hyphens, blanks), a capital after the
// first letter (abbreviations), a capital initial where that marks a
// proper noun, or fewer than two letters.
std::optional<std::string> GameWord(const std::string& utf8Word, const TLanguage& language);

// The game words of a whole word list, sorted and without duplicates.
std::vector<std::string> GameWords(const std::string& utf8Text, const TLanguage& language);

// The dictionary file: the alphabet for computed weights, the bonus by the
// number of letters placed, and as a fallback the same weights slot by slot.
std::string DictionaryText(const TLanguage& language, const std::vector<std::string>& words);

// Reads the language's word list from sourceFolder and writes its three
// files into outputFolder (replacing each in one step); the copyright notice
// comes from docFolder/<package>/copyright. False when the word list is
// missing or a file cannot be read or written; message tells why, or how
// many words were written.
bool MakeDictionary(const TLanguage& language, const std::string& sourceFolder,
                    const std::string& docFolder, const std::string& outputFolder,
                    std::string& message);
