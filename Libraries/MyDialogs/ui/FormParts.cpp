#include "Libraries/MyDialogs/ui/FormParts.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>

#include "Libraries/MyDialogs/ui/PanelAccessible.h"
#include "Libraries/Program/ProgramPaths.h"

void SetUpFixedForm(QWidget& form, const char* name, const QString& caption, QSize client) {
  form.setObjectName(name);
  form.setWindowTitle(caption);
  form.setFixedSize(client);
}

QFont ProgramFont() {
  QFont font;
  font.setFamilies({"Arial", "Liberation Sans", "Arimo"});
  font.setPixelSize(12);
  return font;
}

void SetProgramFont(QWidget& form) {
  form.setFont(ProgramFont());
}

QFont LetterFont(const QString& family, const QFont& base) {
  QFont letters = base;
  letters.setFamilies({family, "DejaVu Sans"});
  letters.setBold(true);
  return letters;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setGeometry(bounds);
  return button;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setGeometry(bounds);
  return label;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int size : kProgramIconSizes) {
    const QString file = QFile::decodeName(ProgramIconFile(size).c_str());
    if (QFile::exists(file)) {
      icon.addFile(file, QSize(size, size));
    }
  }
  return icon;
}

void SetUpApplicationLook() {
  QApplication::setFont(ProgramFont());
  QApplication::setWindowIcon(ProgramIcon());
  InstallPanelAccessibility();
}

QWidget* DialogParent() {
  if (QWidget* active = QApplication::activeWindow()) {
    return active;
  }
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->isVisible() && window->windowType() == Qt::Window) {
      return window;
    }
  }
  return nullptr;
}
