#pragma once
// The program's texts in one of its languages for the life of a test: the
// translations this build laid out in its program folder, loaded as the game
// loads them at start. A test parametrized over kTestedLanguages runs once in
// each language, English included.

#include <gtest/gtest.h>

#include "Libraries/Text/ui/PlayerLanguage.h"

inline constexpr const char* kTestedLanguages[] = {"en", "de", "fr", "es", "it", "nl"};

class TTestLanguage {
 public:
  explicit TTestLanguage(const char* code) : Language(GLYPHMASON_TRANSLATIONS_FOLDER, code) {
    EXPECT_EQ(Language.Code(), code) << "no translations of " << code << " in "
                                     << GLYPHMASON_TRANSLATIONS_FOLDER;
  }

 private:
  TPlayerLanguage Language;
};
