#include "support/SmallDictionary.h"

#include <filesystem>

void WriteSmallDictionary(const TTempFolder& program, const std::string& words) {
  std::filesystem::create_directories(program.File("GlyphmasonDictionaries"));
  std::string gmd = "[Main]\r\nWordsListName=English\r\nFontName=Tahoma\r\n\r\n[Alphabet]\r\n";
  const std::string letters = "ACEILNORSTX";
  for (size_t i = 0; i < letters.size(); ++i) {
    gmd += "Char" + std::to_string(i) + "=" + letters[i] + "\r\n";
    gmd += "Prob" + std::to_string(i) + "=" + std::to_string(100 + 50 * i) + "\r\n";
  }
  gmd += "\r\n[LengthScores]\r\n1=0\r\n2=1\r\n3=2\r\n4=4\r\n5=8\r\n6=12\r\n7=20\r\n";
  program.Write("GlyphmasonDictionaries/English.gmd", gmd);
  program.Write("GlyphmasonDictionaries/English.txt", words);
}
