#include "game/ui/ChooseLetterForm.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>

#include "Libraries/MyDialogs/ui/FormParts.h"
#include "Libraries/Text/ui/QtText.h"
#include "Libraries/Utilities/ui/DevicePixels.h"
#include "lexicon/LetterData.h"

TChooseLetterForm* ChooseLetterForm = nullptr;

namespace {

// The room between two letter panels.
constexpr int kPanelGap = 2;

// A letter panel that reports a left click. It covers its share of the grid
// and draws its own box in it, the gap left free at its right and bottom:
// on a scaled screen in the screen's own pixels, so that every gap of the
// grid is equally wide. The focused panel, which Enter chooses, is framed
// thicker.
class TLetterPanel : public QLabel {
 public:
  TLetterPanel(QWidget* parent, std::function<void()> clicked)
      : QLabel(parent), Clicked(std::move(clicked)) {
    SetFrameWidth(1);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && event->pos().x() < width() - kPanelGap &&
        event->pos().y() < height() - kPanelGap) {
      Clicked();
    }
  }
  void focusInEvent(QFocusEvent* event) override {
    QLabel::focusInEvent(event);
    SetFrameWidth(3);
  }
  void focusOutEvent(QFocusEvent* event) override {
    QLabel::focusOutEvent(event);
    SetFrameWidth(1);
  }
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    QPainter painter(this);
    const TDevicePixels pixels(painter);
    const int line = FrameWidth * pixels.LineWidth();
    // Every gap is as wide as the others: the next panel's box begins on
    // the pixel where this panel ends.
    const int gap = static_cast<int>(std::lround(kPanelGap * pixels.Ratio()));
    const QRect box(QPoint(0, 0),
                    QPoint(pixels.EdgeX(width()) - gap - 1, pixels.EdgeY(height()) - gap - 1));
    const QColor colour = palette().color(QPalette::WindowText);
    painter.fillRect(box.left(), box.top(), box.width(), line, colour);
    painter.fillRect(box.left(), box.bottom() - line + 1, box.width(), line, colour);
    painter.fillRect(box.left(), box.top(), line, box.height(), colour);
    painter.fillRect(box.right() - line + 1, box.top(), line, box.height(), colour);
  }

 private:
  // The letter is centred inside the box and its frame.
  void SetFrameWidth(int width) {
    FrameWidth = width;
    setContentsMargins(width, width, width + kPanelGap, width + kPanelGap);
    update();
  }

  std::function<void()> Clicked;
  int FrameWidth = 1;
};

}  // namespace

TChooseLetterForm::TChooseLetterForm(QWidget* parent) : QDialog(parent, kFixedDialogFlags) {
  //: Window title
  SetUpFixedForm(*this, "ChooseLetterForm", tr("Choose letter"), {500, 400});
  SetProgramFont(*this);

  MainPanel = new QWidget(this);
  MainPanel->setObjectName("MainPanel");
  MainPanel->setGeometry(5, 5, 490, 350);
  LettersPanel = new QWidget(MainPanel);
  LettersPanel->setObjectName("LettersPanel");
  LettersPanel->setGeometry(5, 5, 480, 315);
  //: One line under the letters, at most 470 px wide
  HintLabel = new QLabel(tr("Click the letter you want to choose as replacement"), MainPanel);
  HintLabel->setObjectName("HintLabel");
  HintLabel->setAccessibleDescription(
      tr("Type the letter, or move to it with the arrows and press Enter"));
  HintLabel->move(10, 325);
  HintLabel->adjustSize();
  //: Button caption, 75 px wide
  CancelButton = MakeButton(this, "CancelButton", tr("&Cancel"), {215, 365, 75, 25});
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
    panel->setAlignment(Qt::AlignCenter);
    panel->setGeometry(column * w + 5, row * h + 5, w, h);
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
      // Only panels with a letter can be chosen, so only they take the focus.
      panel->setFocusPolicy(alphabet[slot] == 0 ? Qt::NoFocus : Qt::StrongFocus);
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

char TChooseLetterForm::AskReplacementLetter(int stockSlot, char replaced) {
  const QString replacing =
      stockSlot < 0 || replaced == 0
          ? QString()
          //: %1 is the letter, %2 the stock slot's number (1 to 7)
          : tr("Replace %1 in slot %2")
                .arg(ToQString(std::string(1, replaced)), QString::number(stockSlot + 1));
  // The caption stays; the dialog and its letters say what is replaced.
  setAccessibleDescription(replacing);
  LettersPanel->setAccessibleName(replacing);
  ChosenLetter = 0;
  const int result = RunModal(*this);
  return result == QDialog::Accepted ? ChosenLetter : 0;
}

int TChooseLetterForm::FocusedSlot() const {
  for (int slot = 0; slot < kMaxAlphabetSlots; ++slot) {
    // The dialog's own focus: the window system may not have made the
    // dialog the active window (no window manager).
    if (LetterPanels[slot] != nullptr && LetterPanels[slot] == focusWidget()) {
      return slot;
    }
  }
  return -1;
}

void TChooseLetterForm::FocusLetter(int slot) {
  if (slot >= 0 && slot < kMaxAlphabetSlots && LetterPanels[slot] != nullptr &&
      !LetterPanels[slot]->text().isEmpty()) {
    LetterPanels[slot]->setFocus(Qt::OtherFocusReason);
  }
}

void TChooseLetterForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  for (int slot = 0; slot < kMaxAlphabetSlots; ++slot) {
    if (LetterPanels[slot] != nullptr && !LetterPanels[slot]->text().isEmpty()) {
      FocusLetter(slot);
      return;
    }
  }
}

void TChooseLetterForm::keyPressEvent(QKeyEvent* event) {
  const int focused = FocusedSlot();
  const int key = event->key();
  if ((key == Qt::Key_Return || key == Qt::Key_Enter) && focused >= 0) {
    LetterClicked(focused);
    return;
  }
  if (focused >= 0 &&
      (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down)) {
    const int step = key == Qt::Key_Left    ? -1
                     : key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up    ? -kColumns
                                            : kColumns;
    FocusLetter(focused + step);
    return;
  }
  // A typed letter chooses the panel that shows it, whatever its case.
  const QString typed = event->text().toUpper();
  if (typed.size() == 1 && !typed[0].isSpace()) {
    for (int slot = 0; slot < kMaxAlphabetSlots; ++slot) {
      if (LetterPanels[slot] != nullptr && LetterPanels[slot]->text().toUpper() == typed) {
        LetterClicked(slot);
        return;
      }
    }
  }
  QDialog::keyPressEvent(event);
}
