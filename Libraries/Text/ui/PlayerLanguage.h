#pragma once
// The player's language: the first of the desktop's languages (LANGUAGE,
// then LC_MESSAGES and LANG, as the toolkit reads them) that the program is
// translated into. It translates the windows' texts and the toolkit's own
// (standard buttons, file dialogs), and serves the plain C++ parts through
// the translator seam. English, and any language the program lacks, load
// nothing: every text stays its English self.

#include <QString>
#include <QTranslator>
#include <string>

#include "Libraries/Text/Translation.h"

// The languages the program is translated into, besides English.
inline constexpr const char* kProgramLanguages[] = {"de", "fr", "es", "it", "nl"};

// The first desktop language the program has ("de" for "de-AT"), "en" when
// none; English ranks as a language the program has.
QString DesktopLanguage();

class TPlayerLanguage : public ITranslator {
 public:
  // Loads the language's translations from the folder and installs them for
  // the life of the object; "en" or an unknown code installs nothing.
  TPlayerLanguage(const std::string& translationsFolder, const QString& code);
  TPlayerLanguage(const TPlayerLanguage&) = delete;
  TPlayerLanguage& operator=(const TPlayerLanguage&) = delete;
  ~TPlayerLanguage() override;

  // The language in force ("en" when nothing was loaded).
  const QString& Code() const { return LanguageCode; }
  std::string Translate(const char* context, const char* source, const char* disambiguation,
                        int count) override;

 private:
  QString LanguageCode = "en";
  QTranslator Program;
  QTranslator Toolkit;
  TranslatorSeam::TScoped Seam{this};
};

// The language of the TPlayerLanguage in force, "en" when there is none.
QString PlayerLanguage();

// The program's file of that name for the player's language: "Help.hlp"
// becomes "Help_de.hlp" in German when that file exists beside the
// program, else the English file's path.
std::string ProgramDirFileInPlayerLanguage(const std::string& name);
