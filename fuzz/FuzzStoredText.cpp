// Feeds arbitrary bytes to the stored text reader as a settings file. Any
// crash, hang, memory fault or undefined behaviour is a finding; so is a
// written form that does not read back as itself.

#include "Libraries/StoredTextList/StoredTextList.h"
#include "fuzz/FuzzSupport.h"

namespace {

void ReadTypedValues(const TStoredTextList& list, const std::string& text) {
  // Names taken from the input itself, so that the reads find something.
  const size_t equals = text.find('=');
  const std::string key = equals == std::string::npos ? text.substr(0, 16) : text.substr(0, equals);
  std::string value;
  char letter = 0;
  bool flag = false;
  int32_t number = 0;
  for (const std::string& section : {std::string("Main"), std::string("Alphabet"), key}) {
    list.ReadString(section, key, false, value, 255);
    Require(value.size() <= 255);
    list.ReadChar(section, key, letter);
    list.ReadBool(section, key, flag);
    list.ReadInteger(section, key, number, 1000, -1000);
    Require(number >= -1000 && number <= 1000);
  }
  ParseStoredInteger(text.substr(0, 40), number);
}

}  // namespace

int FuzzStoredText(const uint8_t* data, size_t size) {
  PointProgramNowhere();
  const std::string text = InputText(data, size);
  TStoredTextList list;
  list.ReadFromText(text);
  const std::string written = list.WrittenText();
  TStoredTextList again;
  again.ReadFromText(written);
  Require(again.WrittenText() == written);
  ReadTypedValues(list, text);
  // Writing into what was read keeps the form readable as well.
  const auto piece = [&](size_t from, size_t length) {
    return from < text.size() ? text.substr(from, length) : std::string();
  };
  list.WriteString(piece(0, 8), piece(8, 8), piece(16, 32));
  again.ReadFromText(list.WrittenText());
  Require(again.WrittenText() == list.WrittenText());
  return 0;
}

GLYPHMASON_FUZZ_ENTRY(FuzzStoredText)
