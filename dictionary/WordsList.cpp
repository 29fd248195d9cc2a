#include "dictionary/WordsList.h"

#include "Libraries/Error/FunctionScope.h"

std::string_view TWordsList::Entry(int32_t index) const {
  const TEntry& entry = Entries[static_cast<size_t>(index)];
  return std::string_view(Text).substr(entry.Start, entry.Length);
}

std::vector<std::string> TWordsList::Lines() const {
  std::vector<std::string> lines;
  lines.reserve(Entries.size());
  for (int32_t i = 0; i < Count(); ++i) {
    lines.emplace_back(Entry(i));
  }
  return lines;
}

void TWordsList::Clear() {
  Text.clear();
  Entries.clear();
  Index.clear();
}

void TWordsList::LoadWordsListFile(const std::string&) { Raise("Not yet."); }
void TWordsList::ReadWordsListText(std::string) {}
void TWordsList::SaveWordsListFile(const std::string&) const { Raise("Not yet."); }
int32_t TWordsList::FindWord(std::string_view word) const { return FindWordByScan(word); }
int32_t TWordsList::FindWordByScan(std::string_view) const { return -1; }
void TWordsList::AddWord(std::string_view) {}
void TWordsList::IndexEntry(uint32_t, uint32_t) {}
void TWordsList::GrowIndex() {}

std::string WordsCountText(int32_t count, bool modified) {
  return "There are " + std::to_string(count) + " words in the words list" +
         (modified ? "; new words." : ".");
}
