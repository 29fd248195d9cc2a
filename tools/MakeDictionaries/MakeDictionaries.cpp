// Lays out the game's dictionaries folder from the system's word lists:
//   MakeDictionaries <word-list folder> <package documentation folder> <output folder>
// A missing word list is reported and skipped, except the default English
// one, without which the game has no dictionary to start with.

#include <sys/stat.h>

#include <iostream>

#include "tools/MakeDictionaries/WordRules.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: MakeDictionaries <word-list folder> <doc folder> <output folder>\n";
    return 2;
  }
  ::mkdir(argv[3], 0755);
  int result = 0;
  for (const TLanguage& language : Languages()) {
    std::string message;
    const bool made = MakeDictionary(language, argv[1], argv[2], argv[3], message);
    (made ? std::cout : std::cerr) << message << "\n";
    if (!made && &language == &Languages().front()) {
      result = 1;
    }
  }
  return result;
}
