#pragma once
// The player's language for the texts the plain C++ parts of the program
// show. Those parts call Translated() with their English text; the window
// toolkit installs the translator of the player's language at start. With
// none installed (English, or the unit tests) every text is its English self.

#include <initializer_list>
#include <string>
#include <string_view>

#include "Libraries/Seam/Seam.h"

class ITranslator {
 public:
  virtual ~ITranslator() = default;
  // The text in the player's language, in Windows-1252, with %n still in it;
  // empty when the language has no translation of it.
  virtual std::string Translate(const char* context, const char* source, const char* disambiguation,
                                int count) = 0;
};
using TranslatorSeam = Seam::TSeam<ITranslator>;

// The source text in the player's language, in Windows-1252. The source is
// English, as the program shows it in English. With a count >= 0, %n becomes
// the count; an untranslated "(s)" drops for a count of 1 and becomes "s"
// otherwise ("%n point(s)": "1 point", "2 points"). Called with literal texts
// only, so that the translation tools find them.
std::string Translated(const char* context, const char* source, const char* disambiguation = nullptr,
                       int count = -1);

// Marks a text kept in a table for the translation tools; whoever shows it
// passes it to Translated() with the same context.
constexpr const char* TranslatableText(const char* /*context*/, const char* source) { return source; }

// The pattern with %1 .. %9 replaced by the values in one pass, so that a
// value holding "%2" (a file name, a word) is never replaced in its turn. A
// number without a value, and any other %, stay as they are.
std::string FilledIn(std::string_view pattern, std::initializer_list<std::string_view> values);
