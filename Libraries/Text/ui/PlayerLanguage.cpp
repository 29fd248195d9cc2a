#include "Libraries/Text/ui/PlayerLanguage.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>

#include "Libraries/Program/ProgramPaths.h"
#include "Libraries/Text/ui/QtText.h"

namespace {

const TPlayerLanguage*& LanguageInForce() {
  static const TPlayerLanguage* current = nullptr;
  return current;
}

bool IsProgramLanguage(const QString& code) {
  for (const char* language : kProgramLanguages) {
    if (code == QLatin1String(language)) return true;
  }
  return false;
}

}  // namespace

QString DesktopLanguage() {
  for (const QString& name : QLocale::system().uiLanguages()) {
    const QString code = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (code == QLatin1String("en") || IsProgramLanguage(code)) return code;
  }
  return QStringLiteral("en");
}

TPlayerLanguage::TPlayerLanguage(const std::string& translationsFolder, const QString& code) {
  if (IsProgramLanguage(code) &&
      Program.load(QStringLiteral("glyphmason_") + code, PathToQString(translationsFolder))) {
    LanguageCode = code;
    QCoreApplication::installTranslator(&Program);
    // Without Qt's own file the standard buttons stay English; the game's
    // texts are translated all the same.
    if (Toolkit.load(QStringLiteral("qtbase_") + code,
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(&Toolkit);
    }
  }
  LanguageInForce() = this;
}

TPlayerLanguage::~TPlayerLanguage() {
  QCoreApplication::removeTranslator(&Toolkit);
  QCoreApplication::removeTranslator(&Program);
  if (LanguageInForce() == this) LanguageInForce() = nullptr;
}

std::string TPlayerLanguage::Translate(const char* context, const char* source,
                                       const char* disambiguation, int count) {
  if (Program.isEmpty()) return {};
  return FromQString(Program.translate(context, source, disambiguation, count));
}

QString PlayerLanguage() {
  const TPlayerLanguage* language = LanguageInForce();
  return language ? language->Code() : QStringLiteral("en");
}

std::string ProgramDirFileInPlayerLanguage(const std::string& name) {
  const QString language = PlayerLanguage();
  const size_t dot = name.rfind('.');
  if (language != QLatin1String("en") && dot != std::string::npos) {
    const std::string localized =
        GetProgramDirFile(name.substr(0, dot) + "_" + language.toStdString() + name.substr(dot));
    if (QFileInfo(PathToQString(localized)).isFile()) return localized;
  }
  return GetProgramDirFile(name);
}
