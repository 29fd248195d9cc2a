#include "Libraries/AboutDialog/ui/AboutForm.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "Libraries/AboutDialog/ProjectPages.h"
#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/RunFile.h"
#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"

TAboutForm* AboutForm = nullptr;

namespace {
constexpr int kClientWidth = 440;
constexpr int kClientHeight = 280;
constexpr int kNamePixelSize = 48;
constexpr const char* kOpenSiteFailed = "Failed to open site.";
constexpr const char* kAuthorText = "Written by the Glyphmason developers";
constexpr const char* kProgramsText =
    "You are welcome on the Glyphmason site: there you find new dictionaries for the game, "
    "news of coming versions and the other word games of the Glyphmason project.";

}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
  SetUpFixedForm(*this, "AboutForm", "About", {kClientWidth, kClientHeight});
  SetProgramFont(*this);

  AboutPanel = new QFrame(this);
  AboutPanel->setObjectName("AboutPanel");
  AboutPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  AboutPanel->setGeometry(8, 8, 424, 224);

  ProgramNameLabel = MakeLabel(AboutPanel, "ProgramNameLabel", "", {8, 6, 408, 64});
  ProgramNameLabel->setAlignment(Qt::AlignCenter);
  ProgramNameLabel->setWordWrap(true);
  QFont nameFont = this->font();
  nameFont.setPixelSize(kNamePixelSize);
  nameFont.setBold(true);
  nameFont.setItalic(true);
  ProgramNameLabel->setFont(nameFont);
  ProgramVersionLabel = MakeLabel(AboutPanel, "ProgramVersionLabel", "", {8, 74, 408, 18});
  ProgramVersionLabel->setAlignment(Qt::AlignCenter);
  AuthorLabel = MakeLabel(AboutPanel, "AuthorLabel", kAuthorText, {8, 94, 408, 18});
  AuthorLabel->setAlignment(Qt::AlignCenter);
  ProgramsLabel = MakeLabel(AboutPanel, "ProgramsLabel", kProgramsText, {8, 120, 408, 54});
  ProgramsLabel->setWordWrap(true);

  VisitMySiteButton =
      MakeButton(AboutPanel, "VisitMySiteButton", "Visit my site", {8, 184, 128, 28});
  LicenseTermsButton =
      MakeButton(AboutPanel, "LicenseTermsButton", "License terms", {148, 184, 128, 28});
  ContactMeButton = MakeButton(AboutPanel, "ContactMeButton", "Contact me", {288, 184, 128, 28});
  OkayButton = MakeButton(this, "OkayButton", "&Okay", {180, 242, 80, 28});
  OkayButton->setDefault(true);

  connect(VisitMySiteButton, &QPushButton::clicked, this, [this] { VisitMySiteButtonClick(); });
  connect(LicenseTermsButton, &QPushButton::clicked, this, [this] { LicenseTermsButtonClick(); });
  connect(ContactMeButton, &QPushButton::clicked, this, [this] { ContactMeButtonClick(); });
  connect(OkayButton, &QPushButton::clicked, this, [this] { done(kResultOk); });

  RunModal = [](TAboutForm& form) { return form.exec(); };
  AboutForm = this;
}

TAboutForm::~TAboutForm() {
  if (AboutForm == this) {
    AboutForm = nullptr;
  }
}

void TAboutForm::SetProgram(const std::string& name, const std::string& version) {
  ProgramNameLabel->setText(ToQString(name));
  ProgramVersionLabel->setText(ToQString(version));
}

void TAboutForm::Dialog() {
  ShowingFunction("TAboutForm::Dialog", "Failed to show the \"About\" dialog.",
                  [&](TFunScope&) { RunModal(*this); });
}

void TAboutForm::VisitMySiteButtonClick() {
  OpenSite(kHomePageAddress, kOpenSiteFailed);
}

void TAboutForm::LicenseTermsButtonClick() {
  OpenSite(kLicencePageAddress, kOpenSiteFailed);
}

void TAboutForm::ContactMeButtonClick() {
  OpenSite(kContactPageAddress, kOpenSiteFailed);
}

void TAboutForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  OkayButton->setFocus();
}

// Escape presses the Okay button, so the dialog ends the same way either way.
void TAboutForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    OkayButton->click();
    return;
  }
  QDialog::keyPressEvent(event);
}
