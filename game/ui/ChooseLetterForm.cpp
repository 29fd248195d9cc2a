#include "game/ui/ChooseLetterForm.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"
#include "dictionary/Dictionary.h"

TChooseLetterForm* ChooseLetterForm = nullptr;

namespace {

// A letter panel that reports a left click.
class TLetterPanel : public QLabel {
 public:
  TLetterPanel(QWidget* parent, std::function<void()> clicked)
      : QLabel(parent), Clicked(std::move(clicked)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) {
      Clicked();
    }
  }

 private:
  std::function<void()> Clicked;
};

}  // namespace

TChooseLetterForm::TChooseLetterForm(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
  SetUpFixedForm(*this, "ChooseLetterForm", "Choose letter", {500, 400});
  SetProgramFont(*this);

  MainPanel = new QWidget(this);
  MainPanel->setObjectName("MainPanel");
  MainPanel->setGeometry(5, 5, 490, 350);
  LettersPanel = new QWidget(MainPanel);
  LettersPanel->setObjectName("LettersPanel");
  LettersPanel->setGeometry(5, 5, 480, 315);
  HintLabel = new QLabel("Click the letter you want to choose as replacement", MainPanel);
  HintLabel->setObjectName("HintLabel");
  HintLabel->move(10, 325);
  HintLabel->adjustSize();
  CancelButton = MakeButton(this, "CancelButton", "&Cancel", {215, 365, 75, 25});
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

  RunModal = [](TChooseLetterForm& form) { return form.exec(); };
  ChooseLetterForm = this;
}

TChooseLetterForm::~TChooseLetterForm() {
  if (ChooseLetterForm == this) {
    ChooseLetterForm = nullptr;
  }
}

void TChooseLetterForm::CreateLetterPanels() {
  const int w = (LettersPanel->width() - 10) / kColumns;
  const int h = (LettersPanel->height() - 10) / kRows;
  for (int slot = 0; slot < kMaxAlphabetSlots; ++slot) {
    if (LetterPanels[slot] != nullptr) {
      continue;
    }
    const int row = slot / kColumns;
    const int column = slot % kColumns;
    auto* panel = new TLetterPanel(LettersPanel, [this, slot] { LetterClicked(slot); });
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    panel->setAlignment(Qt::AlignCenter);
    panel->setGeometry(column * w + 5, row * h + 5, w - 2, h - 2);
    QFont letters = LetterFont(kDefaultFontName, panel->font());
    letters.setPointSize(h / 2);
    panel->setFont(letters);
    panel->show();
    LetterPanels[slot] = panel;
  }
}

void TChooseLetterForm::SetLetters(const QString& fontName,
                                   const std::array<char, kMaxAlphabetSlots>& alphabet) {
  for (int slot = 0; slot < kMaxAlphabetSlots; ++slot) {
    if (QLabel* panel = LetterPanels[slot]) {
      panel->setFont(LetterFont(fontName, panel->font()));
      panel->setText(alphabet[slot] == 0 ? QString() : ToQString(std::string(1, alphabet[slot])));
    }
  }
}

void TChooseLetterForm::LetterClicked(int slot) {
  const QString caption = LetterPanels[slot] == nullptr ? QString() : LetterPanels[slot]->text();
  if (caption.isEmpty()) {
    return;
  }
  ChosenLetter = FromQString(caption)[0];
  done(QDialog::Accepted);
}

char TChooseLetterForm::AskReplacementLetter() {
  ChosenLetter = 0;
  const int result = RunModal(*this);
  return result == QDialog::Accepted ? ChosenLetter : 0;
}
