#include "Libraries/AboutDialog/ui/AboutForm.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "Libraries/AboutDialog/ProjectPages.h"
#include "Libraries/Error/FunctionScope.h"
#include "Libraries/File/RunFile.h"
#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/Translation.h"
#include "Libraries/Text/ui/QtText.h"

TAboutForm* AboutForm = nullptr;

namespace {
constexpr int kClientWidth = 440;
constexpr int kClientHeight = 280;
constexpr int kNamePixelSize = 48;
// Shown in the error dialog, which translates it.
constexpr const char* kOpenSiteFailed = TranslatableText("TErrorForm", "Failed to open site.");

}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
  //: Window title
  SetUpFixedForm(*this, "AboutForm", tr("About"), {kClientWidth, kClientHeight});
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
  //: One line, 408 px wide
  AuthorLabel = MakeLabel(AboutPanel, "AuthorLabel", tr("Written by the Glyphmason developers"),
                          {8, 94, 408, 18});
  AuthorLabel->setAlignment(Qt::AlignCenter);
  //: Three lines at most, 408 px wide
  ProgramsLabel = MakeLabel(
      AboutPanel, "ProgramsLabel",
      tr("You are welcome on the Glyphmason site: there you find new dictionaries for the game, "
         "news of coming versions and the other word games of the Glyphmason project."),
      {8, 120, 408, 54});
  ProgramsLabel->setWordWrap(true);

  //: Button caption, 128 px wide: opens the project's home page
  VisitMySiteButton =
      MakeButton(AboutPanel, "VisitMySiteButton", tr("Visit my site"), {8, 184, 128, 28});
  //: Button caption, 128 px wide: opens the licence page
  LicenseTermsButton =
      MakeButton(AboutPanel, "LicenseTermsButton", tr("License terms"), {148, 184, 128, 28});
  //: Button caption, 128 px wide: opens the page for questions and bug reports
  ContactMeButton =
      MakeButton(AboutPanel, "ContactMeButton", tr("Contact me"), {288, 184, 128, 28});
  //: Button caption, 80 px wide
  OkayButton = MakeButton(this, "OkayButton", tr("&Okay"), {180, 242, 80, 28});
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
  // The version line comes in the player's language (ProgramVersionText).
  ProgramVersionLabel->setText(ToQString(version));
}

void TAboutForm::Dialog() {
  ShowingFunction("TAboutForm::Dialog",
                  TranslatableText("TErrorForm", "Failed to show the \"About\" dialog."),
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
