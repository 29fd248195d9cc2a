// Feeds arbitrary bytes to the words-list reader. Every entry must be found
// by the fast lookup exactly where the plain scan finds it, also after a word
// is added or removed, and the written form must read back as the same
// entries.

#include "fuzz/FuzzSupport.h"
#include "lexicon/WordsList.h"

int FuzzWordsList(const uint8_t* data, size_t size) {
  PointProgramNowhere();
  const std::string text = InputText(data, size);
  TWordsList words;
  words.ReadWordsListText(text);
  const int32_t count = words.Count();
  for (int32_t i = 0; i < count && i < 64; ++i) {
    const std::string entry(words.Entry(i));
    Require(entry.find_first_of(std::string("\r\n\0", 3)) == std::string::npos);
    Require(words.FindWord(entry) == words.FindWordByScan(entry));
  }
  const std::string probe = text.substr(0, 12);
  Require(words.FindWord(probe) == words.FindWordByScan(probe));
  words.AddWord(probe.substr(0, probe.find_first_of(std::string("\r\n\0", 3))));
  Require(words.Count() == count + 1);
  const std::string added(words.Entry(count));
  Require(words.FindWord(added) == words.FindWordByScan(added));

  std::string written;
  for (int32_t i = 0; i < words.Count(); ++i) {
    written += std::string(words.Entry(i)) + "\r\n";
  }
  TWordsList again;
  again.ReadWordsListText(written);
  Require(again.Count() == words.Count());

  // The added word taken back, then the last copy of the first entry: every
  // word is still found where the scan finds it.
  Require(words.RemoveWord(added));
  Require(words.Count() == count);
  Require(words.FindWord(added) == words.FindWordByScan(added));
  if (count > 0) {
    const std::string first(words.Entry(0));
    Require(words.RemoveWord(first));
    Require(words.FindWord(first) == words.FindWordByScan(first));
    for (int32_t i = 0; i < words.Count() && i < 64; ++i) {
      const std::string entry(words.Entry(i));
      Require(words.FindWord(entry) == words.FindWordByScan(entry));
    }
  }
  return 0;
}

GLYPHMASON_FUZZ_ENTRY(FuzzWordsList)
