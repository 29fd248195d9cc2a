#include "Libraries/Text/Translation.h"

#include <gtest/gtest.h>

namespace {

// A language that knows one plain and one plural text, in Windows-1252.
class TFakeGerman : public ITranslator {
 public:
  std::string Translate(const char* context, const char* source, const char*, int count) override {
    if (std::string(context) != "Score") return {};
    if (std::string(source) == "Save \"%1\" as %2?") return "\"%1\" als %2 speichern?";
    if (std::string(source) == "%n point(s)") return count == 1 ? "%n Punkt" : "%n Punkte";
    return {};
  }
};

TEST(Translated, WithoutATranslatorTheEnglishSourceStaysAndCountsFollowTheSRule) {
  EXPECT_EQ(Translated("Score", "Put word on board"), "Put word on board");
  EXPECT_EQ(Translated("Score", "%n point(s)", nullptr, 1), "1 point");
  EXPECT_EQ(Translated("Score", "%n point(s)", nullptr, 0), "0 points");
  EXPECT_EQ(Translated("Score", "%n point(s) in %n turn(s)", nullptr, 12), "12 points in 12 turns");
}

TEST(Translated, AnInstalledLanguageAnswersWhatItKnowsAndLeavesTheRestEnglish) {
  TFakeGerman german;
  TranslatorSeam::TScoped scope(&german);
  EXPECT_EQ(Translated("Score", "%n point(s)", nullptr, 1), "1 Punkt");
  EXPECT_EQ(Translated("Score", "%n point(s)", nullptr, 7), "7 Punkte");
  EXPECT_EQ(Translated("Other", "%n point(s)", nullptr, 7), "7 points");
  EXPECT_EQ(FilledIn(Translated("Score", "Save \"%1\" as %2?"), {"a%2b", "x"}),
            "\"a%2b\" als x speichern?");
}

TEST(FilledIn, ReplacesEachNumberOnceAndLeavesOtherPercentSignsAlone) {
  EXPECT_EQ(FilledIn("%2 before %1", {"one", "two"}), "two before one");
  EXPECT_EQ(FilledIn("100% of %1, %3 and %", {"it"}), "100% of it, %3 and %");
}

}  // namespace
