#include "tools/MakeDictionaries/WordRules.h"

#include <algorithm>

#include "Libraries/File/FileOperations.h"
#include "Libraries/File/PathText.h"
#include "Libraries/File/WholeFile.h"
#include "Libraries/StoredTextList/StoredTextList.h"
#include "Libraries/Text/Cp1252.h"
#include "dictionary/Dictionary.h"
#include "lexicon/WordsList.h"

namespace {

constexpr size_t kShortestWord = 2;
// Bonus for placing 1..7 letters in one turn: more letters, much more.
constexpr int32_t kLengthScores[kLengthScoreSlots] = {0, 2, 4, 8, 12, 20, 50};

const std::string kLatinCapitals = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";

bool IsCapital(char32_t c) {
  return (c >= U'A' && c <= U'Z') || (c >= U'À' && c <= U'Þ' && c != U'×') || c == U'Š' ||
         c == U'Œ' || c == U'Ž' || c == U'Ÿ';
}

char32_t SmallOf(char32_t c) {
  switch (c) {
    case U'Š': return U'š';
    case U'Œ': return U'œ';
    case U'Ž': return U'ž';
    case U'Ÿ': return U'ÿ';
    default: return c + 0x20;  // A..Z and À..Þ lie 0x20 below their small letters
  }
}

// A small letter written without its accent; empty for anything that is no
// letter of the Latin script.
std::string PlainLetters(char32_t c) {
  if (c >= U'a' && c <= U'z') {
    return std::string(1, static_cast<char>(c));
  }
  switch (c) {
    case U'à': case U'á': case U'â': case U'ã': case U'ä': case U'å': return "a";
    case U'æ': return "ae";
    case U'ç': return "c";
    case U'è': case U'é': case U'ê': case U'ë': return "e";
    case U'ì': case U'í': case U'î': case U'ï': return "i";
    case U'ð': return "d";
    case U'ñ': return "n";
    case U'ò': case U'ó': case U'ô': case U'õ': case U'ö': case U'ø': return "o";
    case U'ù': case U'ú': case U'û': case U'ü': return "u";
    case U'ý': case U'ÿ': return "y";
    case U'þ': return "th";
    case U'ß': return "ss";
    case U'š': return "s";
    case U'œ': return "oe";
    case U'ž': return "z";
    default: return {};
  }
}

std::string Cp1252(const std::u32string& letters) {
  std::string bytes;
  for (const char32_t c : letters) {
    unsigned char byte = 0;
    CodePointToCp1252(c, byte);
    bytes += static_cast<char>(byte);
  }
  return bytes;
}

}  // namespace

const std::vector<TLanguage>& Languages() {
  static const std::vector<TLanguage> languages = {
      {"English", "american-english", "wamerican", kLatinCapitals, "", false},
      {"German", "ngerman", "wngerman", kLatinCapitals + Cp1252(U"ÄÖÜ"), Cp1252(U"äöü"), true},
      {"French", "french", "wfrench", kLatinCapitals, "", false},
      {"Spanish", "spanish", "wspanish", "ABCDEFGHIJKLMN" + Cp1252(U"Ñ") + "OPQRSTUVWXYZ",
       Cp1252(U"ñ"), false},
      {"Italian", "italian", "witalian", kLatinCapitals, "", false},
      {"Dutch", "dutch", "wdutch", kLatinCapitals, "", false},
  };
  return languages;
}

std::optional<std::string> GameWord(const std::string& utf8Word, const TLanguage& language) {
  // Characters the code page lacks become a control byte, which no rule
  // below accepts.
  const std::string bytes = Utf8ToCp1252(utf8Word, '\x01');
  std::string word;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char32_t c = Cp1252ToCodePoint(static_cast<unsigned char>(bytes[i]));
    if (IsCapital(c)) {
      if (i > 0 || !language.CapitalInitialIsCommon) {
        return std::nullopt;
      }
      c = SmallOf(c);
    }
    unsigned char small = 0;
    CodePointToCp1252(c, small);
    if (language.KeptLetters.find(static_cast<char>(small)) != std::string::npos) {
      word += UpperCaseCp1252(static_cast<char>(small));
      continue;
    }
    const std::string plain = PlainLetters(c);
    if (plain.empty()) {
      return std::nullopt;
    }
    word += UpperCaseCp1252(plain);
  }
  if (word.size() < kShortestWord) {
    return std::nullopt;
  }
  return word;
}

std::vector<std::string> GameWords(const std::string& utf8Text, const TLanguage& language) {
  std::vector<std::string> words;
  size_t start = 0;
  while (start < utf8Text.size()) {
    size_t end = utf8Text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      end = utf8Text.size();
    }
    if (std::optional<std::string> word = GameWord(utf8Text.substr(start, end - start), language)) {
      words.push_back(std::move(*word));
    }
    start = end + 1;
  }
  std::sort(words.begin(), words.end());
  words.erase(std::unique(words.begin(), words.end()), words.end());
  return words;
}

namespace {
std::string WordsListText(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) {
    text += word;
    text += "\r\n";
  }
  return text;
}
}  // namespace

std::string DictionaryText(const TLanguage& language, const std::vector<std::string>& words) {
  TLetterData letters;
  std::copy_n(language.Alphabet.begin(), std::min<size_t>(language.Alphabet.size(), kMaxAlphabetSlots),
              letters.Alphabet.begin());
  TWordsList list;
  list.ReadWordsListText(WordsListText(words));
  TLetterCounts counts;
  CountLetters(list, letters, counts);

  TStoredTextList dictionary;
  dictionary.WriteString("Main", "WordsListName", language.Name);
  dictionary.WriteString("Main", "Alphabet", language.Alphabet);
  for (int32_t slot = 0; slot < kMaxAlphabetSlots && letters.Alphabet[slot] != 0; ++slot) {
    dictionary.WriteChar("Alphabet", "Char" + std::to_string(slot), letters.Alphabet[slot]);
    dictionary.WriteInteger("Alphabet", "Prob" + std::to_string(slot), counts.Weights[slot]);
  }
  for (int32_t n = 1; n <= kLengthScoreSlots; ++n) {
    dictionary.WriteInteger("LengthScores", std::to_string(n), kLengthScores[n - 1]);
  }
  return "; " + language.Name + " words from the Debian package " + language.Package + " (see " +
         language.Name + "-copyright.txt).\r\n; The weights are computed from the words list; "
         "section Alphabet holds the same weights for a list of under 1000 words.\r\n" +
         dictionary.WrittenText();
}

bool MakeDictionary(const TLanguage& language, const std::string& sourceFolder,
                    const std::string& docFolder, const std::string& outputFolder,
                    std::string& message) {
  const std::string source = IncludeSlashIfNotEmpty(sourceFolder) + language.SourceFile;
  const std::string copyright =
      IncludeSlashIfNotEmpty(docFolder) + language.Package + "/copyright";
  if (!FileExists(source) || !FileExists(copyright)) {
    message = language.Name + ": " + source + " or " + copyright +
              " is missing (install the package " + language.Package + ")";
    return false;
  }
  try {
    const std::vector<std::string> words = GameWords(ReadWholeFile(source), language);
    const std::string out = IncludeSlashIfNotEmpty(outputFolder) + language.Name;
    if (!ReplaceFileAtomically(out + ".txt", WordsListText(words)) ||
        !ReplaceFileAtomically(out + "-copyright.txt", ReadWholeFile(copyright)) ||
        !ReplaceFileAtomically(out + ".gmd", DictionaryText(language, words))) {
      message = language.Name + ": cannot write into " + outputFolder;
      return false;
    }
    message = language.Name + ": " + std::to_string(words.size()) + " words, alphabet " +
              Cp1252ToUtf8(language.Alphabet);
    return true;
  } catch (const std::exception& error) {
    message = language.Name + ": " + error.what();
    return false;
  }
}
